#ifndef PRISMORA_GAME_HELP_GUIDE_H_
#define PRISMORA_GAME_HELP_GUIDE_H_

// The short guide to the commands, printed for help in every room and on the title screen.
// It changes nothing: the room or the title block comes back as it was.
void ShowHelpGuide();

#endif  // PRISMORA_GAME_HELP_GUIDE_H_
