#include "game/help_guide.h"

#include "term/screen.h"
#include "text/console.h"

void ShowHelpGuide() {
  Say(Text::kHelpGuide);
  Say(HowPlayerEndsGame() == GameEnder::kPageButton ? Text::kHelpEndButton : Text::kHelpEndCtrlD);
}
