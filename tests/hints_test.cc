#include "game/hints.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_names.h"
#include "world/room_ids.h"

namespace {

using F = StoryFlags;

// One state of play, built by hand, and what the hint there must tell the player to type.
struct Case {
  const char* what;
  const char* room;
  std::vector<bool StoryFlags::*> flags;
  std::vector<const char*> carried;
  std::vector<std::pair<const char*, const char*>> lying;  // room, item
  const char* plain;
  const char* nudgeHas;  // a few words of the nudge
};

// Inside the story after Rosen's scene and the gate scene, with the kitchen and the living room
// already showing their items (lying lists say where those are now).
const std::vector<bool StoryFlags::*> kKeysHunt = {&F::livingRoomVisited, &F::gateInspected,
                                                   &F::blueStoneSeeded, &F::yellowStoneSeeded,
                                                   &F::bedroomKeySeeded};

std::vector<bool StoryFlags::*> Hunt(std::vector<bool StoryFlags::*> more) {
  more.insert(more.end(), kKeysHunt.begin(), kKeysHunt.end());
  return more;
}

// States off the road that the hint-driven playthrough takes.
// clang-format off
const Case kCases[] = {
    {"head-outside screen pending, the blue stone here", room_id::kLivingRoom,
     {&F::livingRoomVisited, &F::headOutsidePending, &F::blueStoneSeeded}, {},
     {{room_id::kLivingRoom, item::kBlueStone}}, "Type: take the blue stone", "blue stone"},
    {"gate not yet tried, away from the yard: no detour", room_id::kHallway,
     {&F::livingRoomVisited, &F::blueStoneSeeded, &F::yellowStoneSeeded, &F::bedroomKeySeeded},
     {item::kBlueStone, item::kYellowStone, item::kBedroomKey}, {}, "Type: e", "Sunnie"},
    {"bedroom key dropped in the yard, never carried into the hallway", room_id::kHallway,
     Hunt({}), {item::kBlueStone, item::kYellowStone}, {{room_id::kSnowyYard, item::kBedroomKey}},
     "Type: w", "put the Bedroom Key down"},
    {"shed key before the orange light", room_id::kBasement, Hunt({&F::hasBedroomKey,
     &F::hasRedStone}), {item::kBlueStone, item::kYellowStone, item::kRedStone}, {},
     "Type: take the shed key", "key ring"},
    {"at the orange light with only the red stone", room_id::kBasement, Hunt({&F::hasBedroomKey,
     &F::hasRedStone, &F::shedKeySeeded}), {item::kRedStone, item::kBlueStone, item::kShedKey},
     {{room_id::kKitchen, item::kYellowStone}}, "Type: s", "yellow"},
    {"graveyard with both stones, gate not tried, other keys missing", room_id::kGraveyard,
     {&F::livingRoomVisited, &F::hasRedStone, &F::blueStoneSeeded}, {item::kRedStone,
     item::kBlueStone}, {}, "Type: hold up the red and blue stones", "Purple is red and blue"},
    {"blue stone dropped before any light saw it", room_id::kHallway, Hunt({&F::hasRedStone,
     &F::hasOrangeKey, &F::hasShedKey}), {item::kYellowStone, item::kRedStone},
     {{room_id::kBasement, item::kBlueStone}}, "Type: n", "put the Blue Stone down"},
    {"no shed key for the food shed", room_id::kWornPath, Hunt({&F::hasRedStone,
     &F::hasYellowStone, &F::hasBlueStone, &F::hasOrangeKey, &F::hasPurpleKey, &F::shedKeySeeded}),
     {}, {{room_id::kBasement, item::kShedKey}}, "Type: e", "food shed is locked"},
    {"stones seen once, then dropped elsewhere", room_id::kFoodShed, Hunt({&F::hasShedKey,
     &F::hasRedStone, &F::hasYellowStone, &F::hasBlueStone, &F::hasOrangeKey, &F::hasPurpleKey}),
     {}, {{room_id::kKitchen, item::kYellowStone}, {room_id::kKitchen, item::kBlueStone}},
     "Type: hold up the yellow and blue stones", "Green is yellow and blue"},
    {"orange key dropped before the yard saw it", room_id::kKitchen, Hunt({&F::hasGreenKey,
     &F::hasPurpleKey}), {}, {{room_id::kKitchen, item::kOrangeKey}}, "Type: take the orange key",
     "put the Orange Key down"},
};
// clang-format on

// One row; a failed ASSERT ends only this row.
void CheckRow(const Case& row) {
  World world;
  StoryFlags flags;
  flags.titleDone = true;
  world.location = FindRoom(world, row.room);
  for (bool StoryFlags::*flag : row.flags)
    flags.*flag = true;
  for (const char* item : row.carried)
    world.inventory.push_back(item);
  for (const auto& [room, item] : row.lying)
    FindRoom(world, room)->items.push_back(item);

  const Hint hint = HintFor(world, flags);
  ASSERT_NE(hint.plain, nullptr);
  ASSERT_NE(hint.nudge, nullptr);
  EXPECT_STREQ(hint.plain, row.plain);
  EXPECT_NE(std::strstr(hint.nudge, row.nudgeHas), nullptr) << hint.nudge;
  EXPECT_EQ(std::strstr(hint.nudge, "Type:"), nullptr);

  // The words are ones the shipped vocabulary understands.
  std::ostringstream sorry;
  std::streambuf* const saved = std::cout.rdbuf(sorry.rdbuf());
  const std::string typed = hint.plain;
  ASSERT_EQ(typed.rfind("Type: ", 0), 0u) << typed;
  const std::int32_t code = MatchResponseIn(PRISMORA_SHIPPED_RESPONSES, typed.substr(6));
  std::cout.rdbuf(saved);
  EXPECT_NE(MeaningOf(code), nullptr) << typed;
}

TEST(HintsTest, EachStateGetsTheStepThatWorksThere) {
  for (const Case& row : kCases) {
    SCOPED_TRACE(row.what);
    CheckRow(row);
  }
}

}  // namespace
