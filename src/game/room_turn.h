#ifndef PRISMORA_GAME_ROOM_TURN_H_
#define PRISMORA_GAME_ROOM_TURN_H_

#include "game/game.h"
#include "game/room_script.h"

// One turn in a room: show it if it is not on screen, prompt, read and match a line, put down
// the room's items, scan the inventory, then react to the code. The room's row says what is its
// own; everything else is the same in every room.
void PlayRoomTurn(Game& game, const RoomScript& room);

// A room hands an item straight to the player: its own line, then the indented notice.
void GiveItem(Game& game, Text line, ItemId item);

#endif  // PRISMORA_GAME_ROOM_TURN_H_
