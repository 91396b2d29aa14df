#include "game/help_guide.h"

#include "game/console.h"

namespace {

// Every example is a phrase the shipped vocabulary understands (tests/corpus/phrases.txt).
const char* const kHelpGuide[] = {
    "\nType one command a line, in plain words:",
    "  n, e, s, w             go north, east, south or west (also: go north, head east)",
    "  look                   describe the place you are in again",
    "  inventory              what you carry (also: i)",
    "  take the blue stone    pick up an item by its name",
    "  drop the blue stone    put it down again",
    "  talk to blot           talk to your party on the mountain path (also: talk to cerule,",
    "                         talk to scarlett, talk to the jester)",
    "  hint                   what to do next; ask twice to be told what to type",
    "  help                   this guide",
    "Ctrl-D on an empty line leaves the game at any prompt; typing quit works on the title",
    "screen only.",
};

}  // namespace

void ShowHelpGuide() {
  for (const char* line : kHelpGuide)
    Say(line);
}
