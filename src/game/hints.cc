// Hints: the next step on the road through the story, from where the player stands. The road is
// the walkthrough's: into the cabin, the stones, the keys to the doors in front of them and the
// three lights, and through the gate, tried once on the way when the player passes the yard.
// Each step is worked out afresh with the rules the rooms play by (rules.h) and the facts of the
// room table (where each item starts, which way is guarded by which keys, which light holds which
// key), so a hint holds whatever order the player took. This file knows only the order of the
// road and what to say.
#include "game/hints.h"

#include <algorithm>
#include <vector>

#include "game/room_table.h"
#include "game/rules.h"
#include "text/console.h"

namespace {

using R = RoomId;
using I = ItemId;

// A step: the room it is done in, the nudge, and the words to type there.
struct Goal {
  std::optional<RoomId> room;
  Text nudge;
  std::optional<Text> plain;
};

// Never at its room: the first visit is what completes it.
const Goal kVisitCabin{R::kLivingRoom, Text::kHintVisitCabin, std::nullopt};
// Only if the road were somehow blocked: looking around is never wrong.
const Goal kLookAround{std::nullopt, Text::kHintLookAround, Text::kTypeLook};

// What to say of an item the road needs, at the room the story shows it in and wherever it was
// dropped. In the order the road gathers them.
struct ItemHint {
  ItemId item;
  std::optional<Text> homeNudge;  // none for the lights' keys, which no room shows
  std::optional<Text> homePlain;
  Text droppedNudge;
  Text droppedPlain;
};

const ItemHint kItemHints[] = {
    {I::kBlueStone, Text::kHintBlueStone, Text::kTypeTakeBlueStone, Text::kHintBlueStoneDropped,
     Text::kTypeTakeBlueStone},
    {I::kYellowStone, Text::kHintYellowStone, Text::kTypeTakeYellowStone,
     Text::kHintYellowStoneDropped, Text::kTypeTakeYellowStone},
    {I::kBedroomKey, Text::kHintBedroomKey, Text::kTypeTakeBedroomKey, Text::kHintBedroomKeyDropped,
     Text::kTypeTakeBedroomKey},
    {I::kRedStone, Text::kHintRedStone, Text::kTypeTakeRedStone, Text::kHintRedStoneDropped,
     Text::kTypeTakeRedStoneBack},
    {I::kShedKey, Text::kHintShedKey, Text::kTypeTakeShedKey, Text::kHintShedKeyDropped,
     Text::kTypeTakeShedKey},
    {I::kOrangeKey, std::nullopt, std::nullopt, Text::kHintOrangeKeyDropped,
     Text::kTypeTakeOrangeKey},
    {I::kGreenKey, std::nullopt, std::nullopt, Text::kHintGreenKeyDropped, Text::kTypeTakeGreenKey},
    {I::kPurpleKey, std::nullopt, std::nullopt, Text::kHintPurpleKeyDropped,
     Text::kTypeTakePurpleKey},
};

// The gate's keys, in the order the road opens their lights, and what to say at each light.
struct LightHint {
  ItemId key;
  Text nudge;
  Text plain;
};

const LightHint kLightHints[] = {
    {I::kOrangeKey, Text::kHintOrangeLight, Text::kTypeOrangeStones},
    {I::kGreenKey, Text::kHintGreenLight, Text::kTypeGreenStones},
    {I::kPurpleKey, Text::kHintPurpleLight, Text::kTypePurpleStones},
};

// After the gate, and crossing to the end.
const Text kTryGateNudge = Text::kHintTryGate;
const Text kOpenGateNudge = Text::kHintOpenGate;
const Text kCrossNudge = Text::kHintCrossCliffside;

// ---- The road -------------------------------------------------------------------------------

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
std::optional<RoomId> NearestPlace(const State& state, ItemId item) {
  std::vector<RoomId> places;
  for (const Room& room : state.world.rooms) {
    if (std::find(room.items.begin(), room.items.end(), item) != room.items.end())
      places.push_back(room.id);
  }
  for (const RoomScript& room : kRoomScripts) {
    if (!state.flags.seeded[static_cast<std::size_t>(room.id)] &&
        std::find(room.seeds.begin(), room.seeds.end(), item) != room.seeds.end())
      places.push_back(room.id);
  }
  const ItemHome home = HomeOf(item, kRoomScripts);
  if (home.handedOut)
    places.push_back(*home.room);
  std::optional<RoomId> nearest;
  for (RoomId place : places) {
    const int steps = state.StepsTo(place);
    if (steps >= 0 && (!nearest || steps < state.StepsTo(*nearest) ||
                       (steps == state.StepsTo(*nearest) && place < *nearest)))
      nearest = place;
  }
  return nearest;
}

// The keys not yet seen of the shut ways that stand between the player and the room: a way the
// player can walk up to, behind which the room lies (without walking back through it).
std::vector<ItemId> KeysInFrontOf(const State& state, RoomId room) {
  std::vector<ItemId> keys;
  for (const RoomScript& script : kRoomScripts) {
    for (Direction way : kDirections) {
      const std::optional<RoomId> to = state.world.At(script.id).Way(way);
      const Guard* guard = script.guards[IndexOf(way)];
      if (guard == nullptr || !to || state.StepsTo(script.id) < 0 ||
          Opens(state.world, state.flags, script, way))
        continue;
      const Reaches behind = ReachFrom(state.world, *to, [&](RoomId from, Direction next) {
        return !(from == *to && next == Opposite(way));
      });
      if (behind[static_cast<std::size_t>(room)].steps < 0)
        continue;
      for (ItemId key : guard->keys) {
        if (!Sees(state.world, state.flags, script, key))
          keys.push_back(key);
      }
    }
  }
  return keys;
}

// Adds the step of taking the item, or, when no place holding it can be reached, of taking
// what opens the way to its home. Returns false when it adds neither.
bool AddTaking(const State& state, ItemId item, std::vector<Goal>& road) {
  const ItemHint* hint = HintOf(item);
  if (hint == nullptr)
    return false;
  const ItemHome home = HomeOf(item, kRoomScripts);
  const std::optional<RoomId> place = NearestPlace(state, item);
  if (!place) {
    bool added = false;
    if (home.room) {
      for (ItemId key : KeysInFrontOf(state, *home.room))
        added = AddTaking(state, key, road) || added;
    }
    return added;
  }
  const bool atHome = place == home.room && hint->homeNudge;
  road.push_back({place, atHome ? *hint->homeNudge : hint->droppedNudge,
                  atHome ? *hint->homePlain : hint->droppedPlain});
  return true;
}

// One of the gate's keys not yet found: taken where it was dropped, or given by its light.
struct KeyStep {
  Goal goal;
  const RoomScript* room = nullptr;  // the light's room, when the light is to be opened
};

bool Wants(const State& state, const KeyStep& step, ItemId stone) {
  const ColourLight& light = *step.room->light;
  return (stone == light.stone1 || stone == light.stone2) &&
         !Sees(state.world, state.flags, *step.room, stone);
}

bool Ready(const State& state, const KeyStep& step) {
  if (step.room == nullptr)
    return true;
  const ColourLight& light = *step.room->light;
  return state.StepsTo(*step.goal.room) >= 0 &&
         Sees(state.world, state.flags, *step.room, light.stone1) &&
         Sees(state.world, state.flags, *step.room, light.stone2);
}

// The steps still to take before the gate, in the road's order: the stones, the keys to the
// doors in front of the lights, then each light (or its dropped key) once it can be done.
std::vector<Goal> RoadToTheKeys(const State& state, const RoomScript& gate) {
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
      if (room.light != nullptr && room.light->key == light.key)
        keys.push_back({{room.id, light.nudge, light.plain}, &room});
    }
  }

  std::vector<Goal> road;
  for (const ItemHint& hint : kItemHints) {
    const bool wanted = std::any_of(keys.begin(), keys.end(), [&](const KeyStep& step) {
      return step.room != nullptr && Wants(state, step, hint.item);
    });
    if (wanted)
      AddTaking(state, hint.item, road);
  }
  for (const KeyStep& step : keys) {
    if (step.room != nullptr && state.StepsTo(step.room->id) < 0) {
      for (ItemId key : KeysInFrontOf(state, step.room->id))
        AddTaking(state, key, road);
    }
  }
  for (const KeyStep& step : keys) {
    if (Ready(state, step))
      road.push_back(step.goal);
  }
  return road;
}

// The gate's room and way, the room behind it and the way on from there to the end.
struct Gate {
  const RoomScript* room = nullptr;
  Direction way = Direction::kNorth;
  RoomId behind = RoomId{};
  Direction onward = Direction::kNorth;
};

Gate FindGate(const World& world) {
  const Guard* guard = GateOf(world, kRoomScripts, kEndRoom);
  Gate gate;
  for (const RoomScript& room : kRoomScripts) {
    for (Direction way : kDirections) {
      if (guard != nullptr && room.guards[IndexOf(way)] == guard) {
        gate = {&room, way, *world.At(room.id).Way(way)};
        gate.onward = ReachOnMap(world, gate.behind)[static_cast<std::size_t>(kEndRoom)].first;
      }
    }
  }
  return gate;
}

Goal NextGoal(const State& state) {
  // The map never changes, so neither does the gate.
  static const Gate gate = FindGate(state.world);
  if (state.here == gate.behind)
    return {gate.behind, kCrossNudge, DataOf(gate.onward).typeIt};
  if (Opens(state.world, state.flags, *gate.room, gate.way))
    return {gate.room->id, kOpenGateNudge, DataOf(gate.way).typeIt};
  if (!Visited(state.flags, R::kLivingRoom))
    return kVisitCabin;
  // What can be done right here comes first; then, at the gate, a first try of it, which tells
  // which keys it wants; otherwise the first step of the road.
  const std::vector<Goal> road = RoadToTheKeys(state, *gate.room);
  for (const Goal& goal : road) {
    if (goal.room == state.here)
      return goal;
  }
  const Guard& guard = *gate.room->guards[IndexOf(gate.way)];
  if (guard.tried != nullptr && !(state.flags.*guard.tried) && state.here == gate.room->id)
    return {gate.room->id, kTryGateNudge, DataOf(gate.way).typeIt};
  return road.empty() ? kLookAround : road.front();
}

}  // namespace

bool operator==(const HintSituation& a, const HintSituation& b) {
  return a.nudge == b.nudge && a.goal == b.goal && a.here == b.here;
}

ItemHome HomeOf(ItemId item, const std::vector<RoomScript>& table) {
  for (const RoomScript& room : table) {
    if (std::find(room.seeds.begin(), room.seeds.end(), item) != room.seeds.end())
      return {room.id, false};
  }
  // A room's own row that names an item hands it over whenever asked, as the nightstand does.
  for (const RoomScript& room : table) {
    for (const Row& row : room.rows) {
      if (row.item == item)
        return {room.id, true};
    }
  }
  return {};
}

const Guard* GateOf(const World& world, const std::vector<RoomScript>& table, RoomId end) {
  for (const RoomScript& room : table) {
    for (Direction way : kDirections) {
      const Guard* guard = room.guards[IndexOf(way)];
      if (guard == nullptr)
        continue;
      const std::optional<RoomId> to = world.At(room.id).Way(way);
      const Reaches without = ReachFrom(world, RoomId{}, [&](RoomId from, Direction next) {
        return !(from == room.id && next == way) && !(to && from == *to && next == Opposite(way));
      });
      if (without[static_cast<std::size_t>(end)].steps < 0)
        return guard;
    }
  }
  return nullptr;
}

Hint HintFor(const World& world, const StoryFlags& flags) {
  Hint hint;
  if (!flags.titleDone) {
    hint.situation = {Text::kHintTitle, std::nullopt, std::nullopt};
    hint.plain = Text::kTypeStart;
    return hint;
  }
  const RoomId here = world.location;
  const State state{world, flags, here, ReachNow(world, flags, here)};
  Goal goal = NextGoal(state);
  const bool reachable = goal.room && state.StepsTo(*goal.room) >= 0;
  if (!reachable || (goal.room == here && !goal.plain)) {
    goal = kLookAround;
    goal.room = here;
  }

  hint.situation = {goal.nudge, goal.room, here};
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

void GiveHint(Game& game) {
  const Hint hint = HintFor(game.world, game.flags);
  SayLine("");
  if (hint.situation == game.hintSituation) {
    Say(hint.plain);
  } else {
    Say(hint.situation.nudge);
    if (hint.nudgeWay)
      Say(*hint.nudgeWay);
  }
  game.hintSituation = hint.situation;
}
