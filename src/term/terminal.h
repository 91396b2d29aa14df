#ifndef PRISMORA_TERM_TERMINAL_H_
#define PRISMORA_TERM_TERMINAL_H_

// The layer between the game and a player's terminal. While a TerminalOutput lives and standard
// output is a terminal, everything written to std::cout has its paragraphs flowed
// (FlowParagraphs), is wrapped at the window's width (asked of the terminal for each message, so
// a resized window is followed) and coloured where the story has colour. When the player types at
// that terminal too (and TERM is not dumb), a long scene stops at a "[more]" marker before its
// first line would scroll off the window, and the player's line starts after a prompt mark. The
// game keeps writing plain text to std::cout; on a pipe or a file nothing is installed and every
// byte goes out as written.
class TerminalOutput {
 public:
  TerminalOutput();   // installs the layer on std::cout when standard output is a terminal
  ~TerminalOutput();  // writes what is left and gives std::cout its own buffer back
  TerminalOutput(const TerminalOutput&) = delete;
  TerminalOutput& operator=(const TerminalOutput&) = delete;

 private:
  bool installedHere_ = false;  // a second one, if any, leaves the first's layer alone
};

// Whether the layer is installed: standard output is a terminal.
bool AtTerminal();

// The mark in front of the line the player types at a terminal.
constexpr char kPromptMark[] = "> ";

// Call before each line the player types. Writes out all that is held, and starts the count of
// lines before the next [more] stop after the player's line. When `markHere`, writes the prompt
// mark too, if the layer shows it; a line editor shows PromptMark() itself. Returns false when
// the player ended the game at a [more] stop (Ctrl-D): no line is to be read then.
bool StartPlayerLine(bool markHere);

// kPromptMark when the layer shows a prompt mark, "" otherwise.
const char* PromptMark();

// The next line with text in it is a room heading, shown in bold. Does nothing on a pipe.
void MarkHeading();

// Starts a clean screen: pushes what is on it into the scrollback, then homes the cursor and
// clears, keeping the scrollback. Returns false, writing nothing, when the layer is not
// installed.
bool ClearTerminal();

#endif  // PRISMORA_TERM_TERMINAL_H_
