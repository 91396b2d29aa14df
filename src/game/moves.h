#ifndef PRISMORA_GAME_MOVES_H_
#define PRISMORA_GAME_MOVES_H_

#include "game/game_state.h"
#include "game/room_script.h"
#include "world/direction.h"

// Through the way, if the map gives one and its guard lets the player pass; else the room's
// message for a wall, or the guard's refusal. Every walk goes through here: a direction typed,
// a place named, "back", "leave" and a door opened.
void TryWay(Game& game, const RoomScript& room, Direction way);

#endif  // PRISMORA_GAME_MOVES_H_
