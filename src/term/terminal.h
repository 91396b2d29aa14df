#ifndef PRISMORA_TERM_TERMINAL_H_
#define PRISMORA_TERM_TERMINAL_H_

// The layer between the game and a player's terminal. While a TerminalOutput lives and standard
// output is a terminal, everything written to std::cout is wrapped at the window's width (asked
// of the terminal for each line, so a resized window is followed) and coloured where the story
// has colour. The game keeps writing plain text to std::cout; on a pipe or a file nothing is
// installed and every byte goes out as written.
class TerminalOutput {
 public:
  TerminalOutput();   // installs the layer on std::cout when standard output is a terminal
  ~TerminalOutput();  // writes what is left and gives std::cout its own buffer back
  TerminalOutput(const TerminalOutput&) = delete;
  TerminalOutput& operator=(const TerminalOutput&) = delete;

 private:
  bool installedHere_ = false;  // a second one, if any, leaves the first's layer alone
};

// The next line with text in it is a room heading, shown in bold. Does nothing on a pipe.
void MarkHeading();

// Starts a clean screen: pushes what is on it into the scrollback, then homes the cursor and
// clears, keeping the scrollback. Returns false, writing nothing, when the layer is not
// installed.
bool ClearTerminal();

#endif  // PRISMORA_TERM_TERMINAL_H_
