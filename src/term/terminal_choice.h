#ifndef PRISMORA_TERM_TERMINAL_CHOICE_H_
#define PRISMORA_TERM_TERMINAL_CHOICE_H_

#include "term/style.h"

// What standard input and output are, as the system reports them at start (platform.h).
struct TerminalFacts {
  bool outputIsTerminal = false;  // a terminal, or a Windows console
  bool inputIsTerminal = false;
  bool console = false;         // a Windows console: what it takes is asked of it, not of TERM
  bool consoleEscapes = false;  // the console took escape sequences (virtual terminal processing)
};

// How the screen is cleared.
enum class ClearBy {
  kFormFeed,   // a pipe or a file: one form feed, so a transcript shows where
  kLineFeeds,  // a dumb terminal: the screen scrolled into the scrollback, nothing more
  kEscapes,    // the line feeds, then the cursor home and the screen erased (ESC[H ESC[2J)
  kCommand,    // a console that takes no escape sequences: the command processor's cls
};

// What the terminal layer does with those facts.
struct TerminalChoice {
  bool layer = false;  // wrap and style at all: standard output is a terminal
  ColourDepth depth = ColourDepth::kNone;
  ClearBy clear = ClearBy::kFormFeed;
  bool player = false;  // a player types here: [more] stops and the prompt mark
};

// From the facts and the values of NO_COLOR, TERM and COLORTERM (null when unset). A Windows
// console sets no TERM: one that takes escape sequences is a 256-colour terminal, one that does
// not is plain text cleared by cls. NO_COLOR is honoured on both.
TerminalChoice ChooseTerminal(const TerminalFacts& facts, const char* noColor, const char* term,
                              const char* colorTerm);

#endif  // PRISMORA_TERM_TERMINAL_CHOICE_H_
