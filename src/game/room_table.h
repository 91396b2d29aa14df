#ifndef PRISMORA_GAME_ROOM_TABLE_H_
#define PRISMORA_GAME_ROOM_TABLE_H_

#include <vector>

#include "game/room_script.h"

// The rooms with turns, in the order the dispatcher tries them. A room earlier in the table
// than the one just left is reached on the next pass of the outer loop.
extern const std::vector<RoomScript> kRoomScripts;

// The room of the final scene, which has no turns: reaching it ends the story.
constexpr RoomId kEndRoom = RoomId::kFinalRoom;

// The row of a room, or null for a room without turns (the final scene).
const RoomScript* ScriptOf(RoomId room);

#endif  // PRISMORA_GAME_ROOM_TABLE_H_
