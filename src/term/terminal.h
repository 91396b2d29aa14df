#ifndef PRISMORA_TERM_TERMINAL_H_
#define PRISMORA_TERM_TERMINAL_H_

#include "term/screen.h"
#include "term/terminal_choice.h"

// The layer between the game and a player's terminal. While a TerminalOutput lives and standard
// output is a terminal, everything written to std::cout has its paragraphs flowed
// (FlowParagraphs) and set (ParagraphSetter), is wrapped at the window's width (asked of the
// terminal for each message, so a resized window is followed) and coloured where the story has
// colour. When the player types at that terminal too (and TERM is not dumb), a long scene stops
// at a "[more]" marker before its first line would scroll off the window, a clear stops there
// first when text has been shown since the player's line, and the player's line starts after a
// prompt mark. The
// game keeps writing plain text to std::cout; on a pipe or a file nothing is installed and every
// byte goes out as written. What the layer does there is ChooseTerminal's choice for `facts`
// (StandardStreams::Facts) and the environment.
class TerminalOutput {
 public:
  // Installs the layer on std::cout when standard output is a terminal.
  explicit TerminalOutput(const TerminalFacts& facts);
  ~TerminalOutput();  // writes what is left and gives std::cout its own buffer back
  TerminalOutput(const TerminalOutput&) = delete;
  TerminalOutput& operator=(const TerminalOutput&) = delete;

 private:
  bool installedHere_ = false;  // a second one, if any, leaves the first's layer alone
};

#endif  // PRISMORA_TERM_TERMINAL_H_
