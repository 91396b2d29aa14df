#ifndef PRISMORA_GAME_CONTEXT_WORDS_H_
#define PRISMORA_GAME_CONTEXT_WORDS_H_

#include "game/game_state.h"
#include "game/room_script.h"

// Words whose meaning depends on where the player stands. Each walks one of the room's ways out,
// with that way's locks and messages, or says why it cannot.

// A place by name: the way out that leads there, or how it lies from here.
void GoToPlace(Turn& turn);
// The way out that leads to the room the player came from.
void GoBack(Turn& turn);
// The one way out, or which of them.
void Leave(Turn& turn);
// A door, a lock or a key: the room's guarded way, or that none is here.
void OpenDoor(Turn& turn);
// The row's key tried on the room's guarded way: one of the keys it wants walks it as the
// direction would; any other key does not fit; a key not carried, or no lock here, is said so.
void UseKey(Turn& turn);

// Each way out of the room, locked or not, with the room it leads to once the player has seen it.
void ShowWaysOut(const Game& game);

#endif  // PRISMORA_GAME_CONTEXT_WORDS_H_
