// Hints: the next step on the road through the story, from where the player stands. The road is
// the walkthrough's: into the cabin, the stones, the Shed Key and the three lights, and through
// the gate, tried once on the way when the player passes the yard. Each step is worked out afresh
// from the rooms' own table (their ways, guards, scans, seeds and lights), so a hint holds whatever
// order the player took.
#include "game/hints.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/console.h"
#include "game/game.h"
#include "game/room_script.h"
#include "items/item_names.h"
#include "world/room_ids.h"
#include "world/room_texts.h"

namespace {

// ---- What the hints say -------------------------------------------------------------------

const char kTitleNudge[] =
    "Your companions are waiting for you out in the blizzard. One word starts the adventure.";
const char kTitlePlain[] = "Type: start";

// Which way the step lies, in the order of RoomScript::guards: north, east, south, west.
const char* const kNextDoor[] = {"It lies north of here.", "It lies east of here.",
                                 "It lies south of here.", "It lies west of here."};
const char* const kWayStarts[] = {
    "The way there starts north of here.", "The way there starts east of here.",
    "The way there starts south of here.", "The way there starts west of here."};
const char* const kTypeWay[] = {"Type: n", "Type: e", "Type: s", "Type: w"};

// A step that is always the same: its name, the room it is done in, the nudge, the words.
struct Step {
  const char* name;
  const char* room;
  const char* nudge;
  const char* plain;
};

// Never at its room: the first visit is what completes it.
const Step kVisitCabin{
    "visit the cabin", room_id::kLivingRoom,
    "Blot: \"The mask is close, and so is the orphanage where you grew up. Whoever is in the "
    "cabin might know something.\"",
    nullptr};
const Step kTryGate{
    "try the gate", room_id::kSnowyYard,
    "Rosen has not come back, and Blot is sure the mask lies past the padlocked gate to the "
    "north. Go and see what it takes to open it.",
    "Type: n"};
const Step kOpenGate{
    "open the gate", room_id::kSnowyYard,
    "The padlock's three keyholes want an Orange, a Green and a Purple Key, and you have found "
    "all three: the gate in the north of the snowy yard will open now.",
    "Type: n"};
const Step kCrossCliffside{"cross the cliffside", room_id::kCliffsidePath,
                           "Blot: \"The mask is just ahead, to the north. Keep going.\"",
                           "Type: n"};
// Only if the road were somehow blocked: looking around is never wrong.
const Step kLookAround{"look around", nullptr, "Blot: \"Let's take another look around.\"",
                       "Type: look"};

// An item the road needs, where the story shows it first and wherever it was dropped.
struct ItemText {
  const char* item;
  const char* home;    // the room the story shows it in; null for the keys the lights hold
  bool handedOut;      // the home hands out another whenever asked, as the nightstand does
  const char* opener;  // the item that opens the way to its home, where a door is locked
  const char* homeNudge;
  const char* homePlain;
  const char* droppedNudge;
  const char* droppedPlain;
};

// In the order the road gathers them.
const ItemText kItemTexts[] = {
    {item::kBlueStone, room_id::kLivingRoom, false, nullptr,
     "Blot: \"That blue stone under the coffee table in the living room still has its color. "
     "In a world going grey, that has to matter.\"",
     "Type: take the blue stone",
     "You put the Blue Stone down along the way, and you will need it again.",
     "Type: take the blue stone"},
    {item::kYellowStone, room_id::kKitchen, false, nullptr,
     "Blot: \"The small stone on the kitchen table is still bright yellow. Bring it along.\"",
     "Type: take the yellow stone",
     "You put the Yellow Stone down along the way, and you will need it again.",
     "Type: take the yellow stone"},
    {item::kBedroomKey, room_id::kKitchen, false, nullptr,
     "Sunnie and Rosen kept the key to their bedroom in the kitchen, up in the higher cabinets. "
     "After the way Rosen acted, their room is worth a search.",
     "Type: take the bedroom key",
     "You put the Bedroom Key down along the way. Carry it into the hallway and the bedroom "
     "door will open.",
     "Type: take the bedroom key"},
    {item::kRedStone, room_id::kBedroom, true, item::kBedroomKey,
     "A bright red stone sits on the nightstand of your dad, Sunnie, who is fast asleep in the "
     "bedroom. Take it yourself, or send quiet Blot for it.",
     "Type: take the red stone",
     "You put the Red Stone down along the way, and you will need it again.",
     "Type: take the red stone back"},
    {item::kShedKey, room_id::kBasement, false, nullptr,
     "The food shed is locked, and its key was always kept down in the basement, on a key ring "
     "near the door.",
     "Type: take the shed key",
     "You put the Shed Key down along the way; the food shed stays locked without it.",
     "Type: take the shed key"},
    {item::kOrangeKey, nullptr, false, nullptr, nullptr, nullptr,
     "You put the Orange Key down along the way, and the gate needs it.",
     "Type: take the orange key"},
    {item::kGreenKey, nullptr, false, nullptr, nullptr, nullptr,
     "You put the Green Key down along the way, and the gate needs it.",
     "Type: take the green key"},
    {item::kPurpleKey, nullptr, false, nullptr, nullptr, nullptr,
     "You put the Purple Key down along the way, and the gate needs it.",
     "Type: take the purple key"},
};

// The three lights, in the order the road opens them.
struct LightText {
  const char* key;
  const char* opener;  // the item that opens the way to the light, where a door is locked
  const char* nudge;
  const char* plain;
};

const LightText kLightTexts[] = {
    {item::kOrangeKey, nullptr,
     "The orange glow behind the furnace in the basement is a key, bound by magic. Orange is red "
     "and yellow, like two of your stones: hold them up to it.",
     "Type: hold up the red and yellow stones"},
    {item::kGreenKey, item::kShedKey,
     "The Shed Key opens the food shed, where a green glow shines among the grains. Green is "
     "yellow and blue, like two of your stones.",
     "Type: hold up the yellow and blue stones"},
    {item::kPurpleKey, nullptr,
     "Blot: \"The graveyard north of the worn path holds a light, even if the grey keeps it from "
     "our eyes. Purple is red and blue.\" Hold up those two stones there.",
     "Type: hold up the red and blue stones"},
};

// ---- What the rooms would do --------------------------------------------------------------

constexpr Room* Room::*kExits[] = {&Room::north, &Room::east, &Room::south, &Room::west};

bool Carried(const World& world, const char* item) {
  return std::find(world.inventory.begin(), world.inventory.end(), item) != world.inventory.end();
}

std::size_t IndexOf(const char* id) {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (std::strcmp(kRoomTexts[i].id, id) == 0)
      return i;
  }
  return kRoomCount;
}

std::size_t IndexOf(const World& world, const Room* room) {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (world.rooms[i].get() == room)
      return i;
  }
  return kRoomCount;
}

const RoomScript* ScriptOf(const char* id) {
  for (const RoomScript& room : kRoomScripts) {
    if (std::strcmp(room.id, id) == 0)
      return &room;
  }
  return nullptr;
}

// A has flag as the room will see it on its next turn: set already, or set by the room's scan
// of what the player carries.
bool Knows(const World& world, const StoryFlags& flags, const RoomScript& room, Flag has) {
  if (flags.*has)
    return true;
  for (const Scan& scan : room.scans) {
    if (scan.has == has && scan.item != nullptr && Carried(world, scan.item))
      return true;
  }
  return false;
}

// The has flag a room's scan sets for an item, or null.
Flag ScanFlag(const RoomScript& room, const char* item) {
  for (const Scan& scan : room.scans) {
    if (scan.item != nullptr && std::strcmp(scan.item, item) == 0)
      return scan.has;
  }
  return nullptr;
}

const char* ScannedItem(const RoomScript& room, Flag has) {
  for (const Scan& scan : room.scans) {
    if (scan.has == has)
      return scan.item;
  }
  return nullptr;
}

bool Passable(const World& world, const StoryFlags& flags, const RoomScript& room,
              std::size_t direction) {
  const Guard* guard = room.guards[direction];
  if (guard == nullptr)
    return true;
  for (Flag key : guard->keys) {
    if (key != nullptr && !Knows(world, flags, room, key))
      return false;
  }
  return true;
}

// How many steps each room is from the player's, and which way the first of them goes.
struct Reach {
  int steps = -1;  // -1: not reachable now
  std::size_t first = kNorthWay;
};
using Reaches = std::array<Reach, kRoomCount>;

Reaches ReachFrom(const World& world, const StoryFlags& flags, std::size_t here) {
  Reaches reach{};
  reach[here].steps = 0;
  std::vector<std::size_t> queue{here};
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const std::size_t from = queue[next];
    const RoomScript* script = ScriptOf(kRoomTexts[from].id);
    if (script == nullptr)
      continue;  // the final scene has no turns, so no ways out
    for (std::size_t direction = 0; direction < std::size(kExits); ++direction) {
      const Room* to = world.rooms[from].get()->*kExits[direction];
      if (to == nullptr || !Passable(world, flags, *script, direction))
        continue;
      const std::size_t index = IndexOf(world, to);
      if (reach[index].steps >= 0)
        continue;
      reach[index] = {reach[from].steps + 1, from == here ? direction : reach[from].first};
      queue.push_back(index);
    }
  }
  return reach;
}

// ---- The road -------------------------------------------------------------------------------

struct Goal {
  std::string name;
  std::size_t room = kRoomCount;
  const char* nudge = nullptr;
  const char* plain = nullptr;
};

Goal GoalOf(const Step& step) {
  return {step.name, step.room != nullptr ? IndexOf(step.room) : kRoomCount, step.nudge,
          step.plain};
}

const ItemText* TextOf(const char* item) {
  for (const ItemText& text : kItemTexts) {
    if (std::strcmp(text.item, item) == 0)
      return &text;
  }
  return nullptr;
}

struct State {
  const World& world;
  const StoryFlags& flags;
  std::size_t here;
  Reaches reach;
};

// The nearest room the item can be taken in now: where it lies, where a room has yet to put it
// down, or its home when the home hands one out. Rooms earlier in the world win ties.
std::size_t NearestPlace(const State& state, const ItemText& text) {
  std::vector<std::size_t> places;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    const std::vector<std::string>& items = state.world.rooms[i]->items;
    if (std::find(items.begin(), items.end(), text.item) != items.end())
      places.push_back(i);
  }
  for (const RoomScript& room : kRoomScripts) {
    for (const Seed& seed : room.seeds) {
      if (seed.item != nullptr && !(state.flags.*seed.seeded) &&
          std::strcmp(seed.item, text.item) == 0)
        places.push_back(IndexOf(room.id));
    }
  }
  if (text.handedOut)
    places.push_back(IndexOf(text.home));
  std::size_t nearest = kRoomCount;
  for (std::size_t place : places) {
    const int steps = state.reach[place].steps;
    if (steps >= 0 && (nearest == kRoomCount || steps < state.reach[nearest].steps ||
                       (steps == state.reach[nearest].steps && place < nearest)))
      nearest = place;
  }
  return nearest;
}

// Adds the step of taking the item, or, when no place holding it can be reached, of taking
// what opens the way to its home. Returns false when it adds neither.
bool AddTaking(const State& state, const char* item, std::vector<Goal>& road) {
  const ItemText* text = TextOf(item);
  if (text == nullptr)
    return false;
  const std::size_t place = NearestPlace(state, *text);
  if (place == kRoomCount)
    return text->opener != nullptr && AddTaking(state, text->opener, road);
  const bool home = text->home != nullptr && place == IndexOf(text->home);
  road.push_back({std::string("take the ") + text->item, place,
                  home ? text->homeNudge : text->droppedNudge,
                  home ? text->homePlain : text->droppedPlain});
  return true;
}

// One of the three keys not yet found: taken where it was dropped, or given by its light.
struct KeyStep {
  Goal goal;
  const LightText* light = nullptr;  // set when the light is to be opened
  const RoomScript* room = nullptr;  // the light's room
};

bool Wants(const State& state, const KeyStep& step, const char* stone) {
  for (Flag has : {step.room->light->stone1, step.room->light->stone2}) {
    const char* item = ScannedItem(*step.room, has);
    if (item != nullptr && std::strcmp(item, stone) == 0 &&
        !Knows(state.world, state.flags, *step.room, has))
      return true;
  }
  return false;
}

bool Ready(const State& state, const KeyStep& step) {
  if (step.light == nullptr)
    return true;
  const ColourLight& light = *step.room->light;
  return state.reach[step.goal.room].steps >= 0 &&
         Knows(state.world, state.flags, *step.room, light.stone1) &&
         Knows(state.world, state.flags, *step.room, light.stone2);
}

// The steps still to take before the gate, in the road's order: the stones, the keys to the
// doors in front of the lights, then each light (or its dropped key) once it can be done.
std::vector<Goal> RoadToTheKeys(const State& state) {
  const RoomScript& gate = *ScriptOf(room_id::kSnowyYard);
  std::vector<KeyStep> keys;
  for (const LightText& light : kLightTexts) {
    const Flag found = ScanFlag(gate, light.key);
    if (found != nullptr && Knows(state.world, state.flags, gate, found))
      continue;
    std::vector<Goal> dropped;
    if (AddTaking(state, light.key, dropped)) {
      keys.push_back({dropped.front()});
      continue;
    }
    for (const RoomScript& room : kRoomScripts) {
      if (room.light != nullptr && std::strcmp(room.light->key, light.key) == 0) {
        keys.push_back({{std::string("open the light for the ") + light.key, IndexOf(room.id),
                         light.nudge, light.plain},
                        &light,
                        &room});
      }
    }
  }

  std::vector<Goal> road;
  for (const ItemText& text : kItemTexts) {
    const bool wanted = std::any_of(keys.begin(), keys.end(), [&](const KeyStep& step) {
      return step.light != nullptr && Wants(state, step, text.item);
    });
    if (wanted)
      AddTaking(state, text.item, road);
  }
  for (const KeyStep& step : keys) {
    if (step.light != nullptr && step.light->opener != nullptr &&
        state.reach[step.goal.room].steps < 0)
      AddTaking(state, step.light->opener, road);
  }
  for (const KeyStep& step : keys) {
    if (Ready(state, step))
      road.push_back(step.goal);
  }
  return road;
}

Goal NextGoal(const State& state) {
  if (state.here == IndexOf(room_id::kCliffsidePath))
    return GoalOf(kCrossCliffside);
  if (Passable(state.world, state.flags, *ScriptOf(room_id::kSnowyYard), kNorthWay))
    return GoalOf(kOpenGate);
  if (!state.flags.livingRoomVisited)
    return GoalOf(kVisitCabin);
  // What can be done right here comes first; then, in the yard, a first try of the gate, which
  // tells which keys it wants; otherwise the first step of the road.
  const std::vector<Goal> road = RoadToTheKeys(state);
  for (const Goal& goal : road) {
    if (goal.room == state.here)
      return goal;
  }
  if (!state.flags.gateInspected && state.here == IndexOf(room_id::kSnowyYard))
    return GoalOf(kTryGate);
  return road.empty() ? GoalOf(kLookAround) : road.front();
}

}  // namespace

Hint HintFor(const World& world, const StoryFlags& flags) {
  Hint hint;
  if (!flags.titleDone) {
    hint.situation = "title";
    hint.nudge = kTitleNudge;
    hint.plain = kTitlePlain;
    return hint;
  }
  const std::size_t here = IndexOf(world, world.location);
  const State state{world, flags, here, ReachFrom(world, flags, here)};
  Goal goal = NextGoal(state);
  const bool reachable = goal.room < kRoomCount && state.reach[goal.room].steps >= 0;
  if (!reachable || (goal.room == here && goal.plain == nullptr)) {
    goal = GoalOf(kLookAround);
    goal.room = here;
  }

  hint.situation = goal.name + " in " + kRoomTexts[goal.room].id + ", from " + kRoomTexts[here].id;
  hint.nudge = goal.nudge;
  if (goal.room == here) {
    hint.plain = goal.plain;
  } else {
    const Reach& way = state.reach[goal.room];
    hint.nudgeWay = way.steps == 1 ? kNextDoor[way.first] : kWayStarts[way.first];
    hint.plain = kTypeWay[way.first];
  }
  return hint;
}

void GiveHint(Game& game, bool seen) {
  const Hint hint = HintFor(game.world, game.flags);
  Say("");
  if (hint.situation == game.hintSituation) {
    Say(hint.plain);
  } else {
    Say(hint.nudge);
    if (hint.nudgeWay != nullptr)
      Say(hint.nudgeWay);
  }
  if (seen)
    game.hintSituation = hint.situation;
}
