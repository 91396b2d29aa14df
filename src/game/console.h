#ifndef PRISMORA_GAME_CONSOLE_H_
#define PRISMORA_GAME_CONSOLE_H_

// Writes the text and one line end, and flushes: every message of the game goes out this way.
void Say(const char* text);

// Clears the terminal, keeping its scrollback (see ClearTerminal). When standard output is a
// pipe or a file, writes a single form feed instead, so a transcript shows where each clear
// happened.
void ClearScreen();

#endif  // PRISMORA_GAME_CONSOLE_H_
