#ifndef PRISMORA_GAME_TABLE_CHECK_H_
#define PRISMORA_GAME_TABLE_CHECK_H_

#include <string>
#include <vector>

#include "game/room_script.h"

// What is wrong with a table of meanings, one line each; none when it is sound. Every room but
// the end room has exactly one row in the room table; every row takes exactly the codes of one
// meaning of data/meanings.txt; no two shared rows take the same code; a room's own row takes
// a shared row's codes only when it says that it overrides it; and each meaning is answered
// where the data says it works (the title screen, every room, or some rooms).
std::vector<std::string> CheckTable(const std::vector<Row>& shared,
                                    const std::vector<RoomScript>& rooms, RoomId endRoom);

#endif  // PRISMORA_GAME_TABLE_CHECK_H_
