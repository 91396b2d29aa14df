#ifndef PRISMORA_GAME_SHOW_H_
#define PRISMORA_GAME_SHOW_H_

#include "game/game_state.h"
#include "game/room_script.h"

// What the story shows and hands over, below the turn: the turn, undo and the rooms' own rows
// all show rooms, lights and given items the same way.

// The room's heading and its return text with the room's own note, marking it shown; `clear`
// clears the screen first, as on arrival.
void ShowRoom(Game& game, const RoomScript& room, bool clear);

// The return text, and the room's own line after it.
void LookAround(const Game& game, const RoomScript& room);

// The light's two stones held up: its key once both have been seen, else the refusal.
void HoldUpStones(Game& game, const ColourLight& light);

// What a closer look at the light shows, with the stones' hint once both have been seen.
void LookAtLight(const Game& game, const ColourLight& light);

// A room hands an item straight to the player: its own line, then the indented notice.
void GiveItem(Game& game, Text line, ItemId item);

#endif  // PRISMORA_GAME_SHOW_H_
