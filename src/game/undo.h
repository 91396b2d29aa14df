#ifndef PRISMORA_GAME_UNDO_H_
#define PRISMORA_GAME_UNDO_H_

#include "game/game_state.h"

// The whole state of a play at one moment, as undo keeps it: small enough to keep one for every
// move of a game.
Moment MomentOf(const Game& game);

// Puts the play back where the moment was.
void Restore(Game& game, const Moment& moment);

// Whether two moments hold the same story: the place, what lies where and every flag. The hint's
// memory and the way the player came are left out: no move changes only those.
bool SameStory(const Moment& a, const Moment& b);

// "undo" in a room: back to the moment before the last move, and the room as it stands then; or,
// before any move, that there is nothing to undo.
void UndoLastMove(Game& game);

#endif  // PRISMORA_GAME_UNDO_H_
