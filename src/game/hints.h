#ifndef PRISMORA_GAME_HINTS_H_
#define PRISMORA_GAME_HINTS_H_

#include <optional>

#include "game/story_flags.h"
#include "story_data.h"
#include "world/world.h"

struct Game;

// What a hint says where the player stands: first a nudge, in the story's voice, naming the
// next step on the road through the story and, when it is done elsewhere, which way to go from
// here; asked again in the same situation, the plain words to type ("Type: ...").
// The same step seen from the same place: its nudge, the room it is done in and the room the
// player stands in (none on the title screen).
struct HintSituation {
  Text nudge = Text::kHintLookAround;
  std::optional<RoomId> goal;
  std::optional<RoomId> here;
};
bool operator==(const HintSituation& a, const HintSituation& b);

struct Hint {
  HintSituation situation;
  Text nudge = Text::kHintLookAround;  // why the step matters and where it is done
  std::optional<Text> nudgeWay;        // which way to go from here; none when it is done here
  Text plain = Text::kTypeLook;        // "Type: " and a command the shipped vocabulary knows
};

// The hint for this state, read from the same facts and rules the rooms act on: where the player
// stands, the story's flags, what is carried and what lies where. Changes nothing.
Hint HintFor(const World& world, const StoryFlags& flags);

// Prints the hint for where the player stands: its nudge, or its plain words when the last hint
// was given in the same situation. Remembers that situation in game.hintSituation, which no
// part of the story reads; nothing else changes. A hint the screen loses at once (`seen` false)
// is not remembered, so asking again brings the nudge back.
void GiveHint(Game& game, bool seen);

#endif  // PRISMORA_GAME_HINTS_H_
