#ifndef PRISMORA_GAME_ROOM_TURN_H_
#define PRISMORA_GAME_ROOM_TURN_H_

#include "game/game.h"
#include "game/room_script.h"

// One turn in a room: show it if it is not on screen, prompt, read and match a line, put down
// the room's items, scan the inventory, then react to the code. The room's row says what is its
// own; everything else is the same in every room.
void PlayRoomTurn(Game& game, const RoomScript& room);

// "again": the last line typed, matched anew, in place of this one; false, having said so, when
// there is none yet. Every other line becomes the last line.
bool RepeatIfAgain(Game& game);

// The room's heading and its return text with the room's own note, marking it shown; `clear`
// clears the screen first, as on arrival.
void ShowRoom(Game& game, const RoomScript& room, bool clear);

// What a closer look at the light shows, with the stones' hint once both have been seen.
void LookAtLight(const Game& game, const ColourLight& light);

// A room hands an item straight to the player: its own line, then the indented notice.
void GiveItem(Game& game, Text line, ItemId item);

#endif  // PRISMORA_GAME_ROOM_TURN_H_
