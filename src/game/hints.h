#ifndef PRISMORA_GAME_HINTS_H_
#define PRISMORA_GAME_HINTS_H_

#include <optional>
#include <vector>

#include "game/game_state.h"
#include "game/room_script.h"
#include "story_data.h"

// What a hint says where the player stands: first a nudge, in the story's voice, naming the
// next step on the road through the story and, when it is done elsewhere, which way to go from
// here; asked again in the same situation, the plain words to type ("Type: ...").
struct Hint {
  HintSituation situation;       // its nudge is the one said first
  std::optional<Text> nudgeWay;  // which way to go from here; none when it is done here
  Text plain = Text::kTypeLook;  // "Type: " and a command the shipped vocabulary knows
};

// The hint for this state, read from the same facts and rules the rooms act on: where the player
// stands, the story's flags, what is carried and what lies where. Changes nothing.
Hint HintFor(const World& world, const StoryFlags& flags);

// Prints the hint for where the player stands: its nudge, or its plain words when the last hint
// was given in the same situation, which it remembers in game.hintSituation; nothing else
// changes.
void GiveHint(Game& game);

// What the room table says of an item: the room the story shows it in (where a room puts it
// down, or hands it out whenever asked), and whether that room hands it out.
struct ItemHome {
  std::optional<RoomId> room;
  bool handedOut = false;
};
ItemHome HomeOf(ItemId item, const std::vector<RoomScript>& table);

// The guard the end of the story lies behind: the one guarded way on every walk from the first
// room to the end room. Null if there is none.
const Guard* GateOf(const World& world, const std::vector<RoomScript>& table, RoomId end);

#endif  // PRISMORA_GAME_HINTS_H_
