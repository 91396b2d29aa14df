// Hints: the next step on the road through the story, from where the player stands. The road is
// the walkthrough's: into the cabin, the stones, the Shed Key and the three lights, and through
// the gate, tried once on the way when the player passes the yard. Each step is worked out afresh
// with the rules the rooms play by (rules.h) and the rooms' own table, so a hint holds whatever
// order the player took. This file knows only the order of the road's goals and what to say.
#include "game/hints.h"

#include <algorithm>
#include <vector>

#include "game/game.h"
#include "game/room_script.h"
#include "game/rules.h"
#include "text/console.h"

namespace {

using R = RoomId;
using I = ItemId;

// A step that is always the same: the room it is done in, the nudge, the words.
struct Step {
  std::optional<RoomId> room;
  Text nudge;
  std::optional<Text> plain;
};

// Never at its room: the first visit is what completes it.
const Step kVisitCabin{R::kLivingRoom, Text::kHintVisitCabin, std::nullopt};
const Step kTryGate{R::kSnowyYard, Text::kHintTryGate, Text::kTypeNorth};
const Step kOpenGate{R::kSnowyYard, Text::kHintOpenGate, Text::kTypeNorth};
const Step kCrossCliffside{R::kCliffsidePath, Text::kHintCrossCliffside, Text::kTypeNorth};
// Only if the road were somehow blocked: looking around is never wrong.
const Step kLookAround{std::nullopt, Text::kHintLookAround, Text::kTypeLook};

// An item the road needs, where the story shows it first and wherever it was dropped.
struct ItemHint {
  ItemId item;
  std::optional<RoomId> home;    // the room the story shows it in; none for the lights' keys
  bool handedOut;                // the home hands out another whenever asked, as the nightstand
  std::optional<ItemId> opener;  // the item that opens the way to its home, where a door is locked
  std::optional<Text> homeNudge;
  std::optional<Text> homePlain;
  Text droppedNudge;
  Text droppedPlain;
};

// In the order the road gathers them.
const ItemHint kItemHints[] = {
    {I::kBlueStone, R::kLivingRoom, false, std::nullopt, Text::kHintBlueStone,
     Text::kTypeTakeBlueStone, Text::kHintBlueStoneDropped, Text::kTypeTakeBlueStone},
    {I::kYellowStone, R::kKitchen, false, std::nullopt, Text::kHintYellowStone,
     Text::kTypeTakeYellowStone, Text::kHintYellowStoneDropped, Text::kTypeTakeYellowStone},
    {I::kBedroomKey, R::kKitchen, false, std::nullopt, Text::kHintBedroomKey,
     Text::kTypeTakeBedroomKey, Text::kHintBedroomKeyDropped, Text::kTypeTakeBedroomKey},
    {I::kRedStone, R::kBedroom, true, I::kBedroomKey, Text::kHintRedStone, Text::kTypeTakeRedStone,
     Text::kHintRedStoneDropped, Text::kTypeTakeRedStoneBack},
    {I::kShedKey, R::kBasement, false, std::nullopt, Text::kHintShedKey, Text::kTypeTakeShedKey,
     Text::kHintShedKeyDropped, Text::kTypeTakeShedKey},
    {I::kOrangeKey, std::nullopt, false, std::nullopt, std::nullopt, std::nullopt,
     Text::kHintOrangeKeyDropped, Text::kTypeTakeOrangeKey},
    {I::kGreenKey, std::nullopt, false, std::nullopt, std::nullopt, std::nullopt,
     Text::kHintGreenKeyDropped, Text::kTypeTakeGreenKey},
    {I::kPurpleKey, std::nullopt, false, std::nullopt, std::nullopt, std::nullopt,
     Text::kHintPurpleKeyDropped, Text::kTypeTakePurpleKey},
};

// The three lights, in the order the road opens them.
struct LightHint {
  ItemId key;
  std::optional<ItemId> opener;  // the item that opens the way to the light, where a door is locked
  Text nudge;
  Text plain;
};

const LightHint kLightHints[] = {
    {I::kOrangeKey, std::nullopt, Text::kHintOrangeLight, Text::kTypeOrangeStones},
    {I::kGreenKey, I::kShedKey, Text::kHintGreenLight, Text::kTypeGreenStones},
    {I::kPurpleKey, std::nullopt, Text::kHintPurpleLight, Text::kTypePurpleStones},
};

// ---- The road -------------------------------------------------------------------------------

struct Goal {
  std::optional<RoomId> room;
  Text nudge;
  std::optional<Text> plain;
};

Goal GoalOf(const Step& step) {
  return {step.room, step.nudge, step.plain};
}

const ItemHint* HintOf(ItemId item) {
  for (const ItemHint& hint : kItemHints) {
    if (hint.item == item)
      return &hint;
  }
  return nullptr;
}

struct State {
  const World& world;
  const StoryFlags& flags;
  RoomId here;
  Reaches reach;

  int StepsTo(RoomId room) const { return reach[static_cast<std::size_t>(room)].steps; }
};

// The nearest room the item can be taken in now: where it lies, where a room has yet to put it
// down, or its home when the home hands one out. Rooms earlier in the world win ties.
std::optional<RoomId> NearestPlace(const State& state, const ItemHint& hint) {
  std::vector<RoomId> places;
  for (const Room& room : state.world.rooms) {
    if (std::find(room.items.begin(), room.items.end(), hint.item) != room.items.end())
      places.push_back(room.id);
  }
  for (const RoomScript& room : kRoomScripts) {
    if (!state.flags.seeded[static_cast<std::size_t>(room.id)] &&
        std::find(room.seeds.begin(), room.seeds.end(), hint.item) != room.seeds.end())
      places.push_back(room.id);
  }
  if (hint.handedOut)
    places.push_back(*hint.home);
  std::optional<RoomId> nearest;
  for (RoomId place : places) {
    const int steps = state.StepsTo(place);
    if (steps >= 0 && (!nearest || steps < state.StepsTo(*nearest) ||
                       (steps == state.StepsTo(*nearest) && place < *nearest)))
      nearest = place;
  }
  return nearest;
}

// Adds the step of taking the item, or, when no place holding it can be reached, of taking
// what opens the way to its home. Returns false when it adds neither.
bool AddTaking(const State& state, ItemId item, std::vector<Goal>& road) {
  const ItemHint* hint = HintOf(item);
  if (hint == nullptr)
    return false;
  const std::optional<RoomId> place = NearestPlace(state, *hint);
  if (!place)
    return hint->opener && AddTaking(state, *hint->opener, road);
  const bool home = place == hint->home;
  road.push_back({place, home ? *hint->homeNudge : hint->droppedNudge,
                  home ? *hint->homePlain : hint->droppedPlain});
  return true;
}

// One of the three keys not yet found: taken where it was dropped, or given by its light.
struct KeyStep {
  Goal goal;
  const LightHint* light = nullptr;  // set when the light is to be opened
  const RoomScript* room = nullptr;  // the light's room
};

bool Wants(const State& state, const KeyStep& step, ItemId stone) {
  const ColourLight& light = *step.room->light;
  return (stone == light.stone1 || stone == light.stone2) &&
         !Sees(state.world, state.flags, *step.room, stone);
}

bool Ready(const State& state, const KeyStep& step) {
  if (step.light == nullptr)
    return true;
  const ColourLight& light = *step.room->light;
  return state.StepsTo(*step.goal.room) >= 0 &&
         Sees(state.world, state.flags, *step.room, light.stone1) &&
         Sees(state.world, state.flags, *step.room, light.stone2);
}

// The steps still to take before the gate, in the road's order: the stones, the keys to the
// doors in front of the lights, then each light (or its dropped key) once it can be done.
std::vector<Goal> RoadToTheKeys(const State& state) {
  const RoomScript& gate = *ScriptOf(R::kSnowyYard);
  std::vector<KeyStep> keys;
  for (const LightHint& light : kLightHints) {
    if (Sees(state.world, state.flags, gate, light.key))
      continue;
    std::vector<Goal> dropped;
    if (AddTaking(state, light.key, dropped)) {
      keys.push_back({dropped.front()});
      continue;
    }
    for (const RoomScript& room : kRoomScripts) {
      if (room.light != nullptr && room.light->key == light.key) {
        keys.push_back({{room.id, light.nudge, light.plain}, &light, &room});
      }
    }
  }

  std::vector<Goal> road;
  for (const ItemHint& hint : kItemHints) {
    const bool wanted = std::any_of(keys.begin(), keys.end(), [&](const KeyStep& step) {
      return step.light != nullptr && Wants(state, step, hint.item);
    });
    if (wanted)
      AddTaking(state, hint.item, road);
  }
  for (const KeyStep& step : keys) {
    if (step.light != nullptr && step.light->opener && state.StepsTo(*step.goal.room) < 0)
      AddTaking(state, *step.light->opener, road);
  }
  for (const KeyStep& step : keys) {
    if (Ready(state, step))
      road.push_back(step.goal);
  }
  return road;
}

Goal NextGoal(const State& state) {
  if (state.here == R::kCliffsidePath)
    return GoalOf(kCrossCliffside);
  if (Opens(state.world, state.flags, *ScriptOf(R::kSnowyYard), Direction::kNorth))
    return GoalOf(kOpenGate);
  if (!Visited(state.flags, R::kLivingRoom))
    return GoalOf(kVisitCabin);
  // What can be done right here comes first; then, in the yard, a first try of the gate, which
  // tells which keys it wants; otherwise the first step of the road.
  const std::vector<Goal> road = RoadToTheKeys(state);
  for (const Goal& goal : road) {
    if (goal.room == state.here)
      return goal;
  }
  if (!state.flags.gateInspected && state.here == R::kSnowyYard)
    return GoalOf(kTryGate);
  return road.empty() ? GoalOf(kLookAround) : road.front();
}

}  // namespace

bool operator==(const HintSituation& a, const HintSituation& b) {
  return a.nudge == b.nudge && a.goal == b.goal && a.here == b.here;
}

Hint HintFor(const World& world, const StoryFlags& flags) {
  Hint hint;
  if (!flags.titleDone) {
    hint.situation = {Text::kHintTitle, std::nullopt, std::nullopt};
    hint.nudge = Text::kHintTitle;
    hint.plain = Text::kTypeStart;
    return hint;
  }
  const RoomId here = world.location;
  const State state{world, flags, here, ReachNow(world, flags, here)};
  Goal goal = NextGoal(state);
  const bool reachable = goal.room && state.StepsTo(*goal.room) >= 0;
  if (!reachable || (goal.room == here && !goal.plain)) {
    goal = GoalOf(kLookAround);
    goal.room = here;
  }

  hint.situation = {goal.nudge, goal.room, here};
  hint.nudge = goal.nudge;
  if (goal.room == here) {
    hint.plain = *goal.plain;
  } else {
    const Reach& way = state.reach[static_cast<std::size_t>(*goal.room)];
    const DirectionData& direction = DataOf(way.first);
    hint.nudgeWay = way.steps == 1 ? direction.liesThere : direction.startsThere;
    hint.plain = direction.typeIt;
  }
  return hint;
}

void GiveHint(Game& game, bool seen) {
  const Hint hint = HintFor(game.world, game.flags);
  SayLine("");
  if (hint.situation == game.hintSituation) {
    Say(hint.plain);
  } else {
    Say(hint.nudge);
    if (hint.nudgeWay)
      Say(*hint.nudgeWay);
  }
  if (seen)
    game.hintSituation = hint.situation;
}
