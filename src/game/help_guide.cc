#include "game/help_guide.h"

#include "game/console.h"

namespace {

// Every example is a phrase the shipped vocabulary understands (tests/corpus/phrases.txt).
const char* const kHelpGuide[] = {
    "\nType one command a line, in plain words:",
    "  n, e, s, w           go north, east, south or west",
    "  look                 the place you are in, again",
    "  exits                the ways out of here",
    "  inventory, i         what you carry",
    "  take the blue stone  pick up an item by its name",
    "  drop the blue stone  put it down again",
    "  talk to blot         on the mountain path; also cerule,",
    "                       scarlett and the jester",
    "  hint                 what to do next; ask twice for the words",
    "  help                 this guide",
    "Ctrl-D on an empty line leaves the game at any prompt;",
    "typing quit works on the title screen only.",
};

}  // namespace

void ShowHelpGuide() {
  for (const char* line : kHelpGuide)
    Say(line);
}
