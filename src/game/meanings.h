#ifndef PRISMORA_GAME_MEANINGS_H_
#define PRISMORA_GAME_MEANINGS_H_

#include <cstdint>
#include <vector>

#include "game/room_script.h"

// The one table of what a typed line means: the rows every room shares (and the title screen,
// where a row says so), then each room's own rows in its row of the room table. Every code is
// declared in data/meanings.txt; each row here names one of them.

// The shared rows: the fixed ones, then take, drop and examine for each item of the story's data.
const std::vector<Row>& SharedRows();

// The row that answers the code: in a room, the room's own rows first, then the shared ones; on
// the title screen (`room` null), the shared rows that work there. Null when none does: the line
// is answered by nothing, and the turn simply prompts again.
const Row* FindRow(std::int32_t code, const RoomScript* room);

#endif  // PRISMORA_GAME_MEANINGS_H_
