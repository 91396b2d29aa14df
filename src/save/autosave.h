#ifndef PRISMORA_SAVE_AUTOSAVE_H_
#define PRISMORA_SAVE_AUTOSAVE_H_

#include "input/line_reader.h"
#include "save/save_store.h"

// The name the game in play is kept under between visits: not a name a player can type, so it
// is never listed, saved over or restored by name.
constexpr char kKeptGameName[] = ".kept";

// Plays as RunGame does, for a page that remembers: the game is kept in `store` after every
// step while it is in play, and forgotten on the title screen and at the end of the story. A
// game kept from before goes on where it was, the room shown as on arrival with a line saying
// so. A store that cannot keep it is said once, until it can again. Returns the exit status.
int PlayKeepingTheGame(LineReader& input, SaveStore& store);

#endif  // PRISMORA_SAVE_AUTOSAVE_H_
