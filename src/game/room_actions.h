#ifndef PRISMORA_GAME_ROOM_ACTIONS_H_
#define PRISMORA_GAME_ROOM_ACTIONS_H_

#include <vector>

#include "game/room_script.h"

// What the rooms' own rows do, and the stones named together, which answer at whatever light the
// room has. Each reads what it needs from its row and its room: the text it
// says, the item it hands over, the room's light.

// Says the row's text.
void SayRowText(Turn& turn);

// The row's two stones used together, wherever the player stands: held up to the light here as
// its own stones are, its refusal when the pair is not its colours, or that nothing here takes
// stones.
void HoldUpPair(Turn& turn);

// Blot talks once; after that he refuses. The screen clears either way, the room is not shown.
void TalkToBlot(Turn& turn);

// Hands the row's item over with the row's text, every time it is asked for, and marks it seen.
void HandOver(Turn& turn);

// The rows that answer at a coloured light: a closer look, one stone alone, the two stones held
// up (by colour or not), the party's magic and the Jester's.
std::vector<Row> LightRows(const ColourLight& light);

#endif  // PRISMORA_GAME_ROOM_ACTIONS_H_
