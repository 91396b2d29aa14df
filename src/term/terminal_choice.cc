#include "term/terminal_choice.h"

#include <cstring>

TerminalChoice ChooseTerminal(const TerminalFacts& facts, const char* noColor, const char* term,
                              const char* colorTerm) {
  TerminalChoice choice;
  if (!facts.outputIsTerminal)
    return choice;
  choice.layer = true;
  if (facts.console) {
    const bool colour = facts.consoleEscapes && (noColor == nullptr || *noColor == '\0');
    choice.depth = colour ? ColourDepth::k256 : ColourDepth::kNone;
    choice.clear = facts.consoleEscapes ? ClearBy::kEscapes : ClearBy::kCommand;
    choice.player = facts.inputIsTerminal;
    return choice;
  }
  const bool dumb = term != nullptr && std::strcmp(term, "dumb") == 0;
  choice.depth = ChooseColourDepth(noColor, term, colorTerm);
  choice.clear = dumb ? ClearBy::kLineFeeds : ClearBy::kEscapes;
  choice.player = !dumb && facts.inputIsTerminal;
  return choice;
}
