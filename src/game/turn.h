#ifndef PRISMORA_GAME_TURN_H_
#define PRISMORA_GAME_TURN_H_

#include "game/game_state.h"
#include "game/room_script.h"

// One showing of the title block and the line typed under it, answered by the rows that work
// on the title screen. Sets game.flags.titleDone on start, game.ended on quit or end of input.
void PlayTitleTurn(Game& game);

// One turn in a room: show it if it is not on screen, prompt, read and match a line, put down
// the room's items, scan the inventory, then let the row the code finds answer. The room's row
// of the room table says what is its own; everything else is the same in every room.
void PlayRoomTurn(Game& game, const RoomScript& room);

#endif  // PRISMORA_GAME_TURN_H_
