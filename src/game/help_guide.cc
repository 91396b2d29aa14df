#include "game/help_guide.h"

#include "text/console.h"

void ShowHelpGuide() {
  Say(Text::kHelpGuide);
}
