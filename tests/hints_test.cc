#include "game/hints.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "input/match_response.h"
#include "input/response_codes.h"
#include "text/console.h"

namespace {

using R = RoomId;
using I = ItemId;

// The facts a state of play has learnt, beyond the title being done.
struct Facts {
  std::vector<R> visited;
  std::vector<R> seeded;
  std::vector<I> has;
  bool gateInspected = false;
  bool headOutsidePending = false;
};

// One state of play, built by hand, and what the hint there must tell the player to type.
struct Case {
  const char* what;
  R room;
  Facts facts;
  std::vector<I> carried;
  std::vector<std::pair<R, I>> lying;
  const char* plain;
  const char* nudgeHas;  // a few words of the nudge
};

// Inside the story after Rosen's scene and the gate scene, with the kitchen and the living room
// already showing their items (lying lists say where those are now).
Facts Hunt(std::vector<I> has, std::vector<R> seeded = {}) {
  seeded.insert(seeded.end(), {R::kLivingRoom, R::kKitchen});
  return {{R::kLivingRoom}, seeded, std::move(has), true, false};
}

// States off the road that the hint-driven playthrough takes.
// clang-format off
const Case kCases[] = {
    {"head-outside screen pending, the blue stone here", R::kLivingRoom,
     {{R::kLivingRoom}, {R::kLivingRoom}, {}, false, true}, {},
     {{R::kLivingRoom, I::kBlueStone}}, "Type: take the blue stone", "blue stone"},
    {"gate not yet tried, away from the yard: no detour", R::kHallway,
     {{R::kLivingRoom}, {R::kLivingRoom, R::kKitchen}, {}},
     {I::kBlueStone, I::kYellowStone, I::kBedroomKey}, {}, "Type: e", "Sunnie"},
    {"bedroom key dropped in the yard, never carried into the hallway", R::kHallway,
     Hunt({}), {I::kBlueStone, I::kYellowStone}, {{R::kSnowyYard, I::kBedroomKey}},
     "Type: w", "put the Bedroom Key down"},
    {"shed key before the orange light", R::kBasement, Hunt({I::kBedroomKey, I::kRedStone}),
     {I::kBlueStone, I::kYellowStone, I::kRedStone}, {}, "Type: take the shed key", "key ring"},
    {"at the orange light with only the red stone", R::kBasement,
     Hunt({I::kBedroomKey, I::kRedStone}, {R::kBasement}),
     {I::kRedStone, I::kBlueStone, I::kShedKey}, {{R::kKitchen, I::kYellowStone}}, "Type: s",
     "yellow"},
    {"graveyard with both stones, gate not tried, other keys missing", R::kGraveyard,
     {{R::kLivingRoom}, {R::kLivingRoom}, {I::kRedStone}}, {I::kRedStone, I::kBlueStone}, {},
     "Type: hold up the red and blue stones", "Purple is red and blue"},
    {"blue stone dropped before any light saw it", R::kHallway,
     Hunt({I::kRedStone, I::kOrangeKey, I::kShedKey}), {I::kYellowStone, I::kRedStone},
     {{R::kBasement, I::kBlueStone}}, "Type: n", "put the Blue Stone down"},
    {"no shed key for the food shed", R::kWornPath,
     Hunt({I::kRedStone, I::kYellowStone, I::kBlueStone, I::kOrangeKey, I::kPurpleKey},
          {R::kBasement}),
     {}, {{R::kBasement, I::kShedKey}}, "Type: e", "food shed is locked"},
    {"stones seen once, then dropped elsewhere", R::kFoodShed,
     Hunt({I::kShedKey, I::kRedStone, I::kYellowStone, I::kBlueStone, I::kOrangeKey,
           I::kPurpleKey}),
     {}, {{R::kKitchen, I::kYellowStone}, {R::kKitchen, I::kBlueStone}},
     "Type: hold up the yellow and blue stones", "Green is yellow and blue"},
    {"orange key dropped before the yard saw it", R::kKitchen,
     Hunt({I::kGreenKey, I::kPurpleKey}), {}, {{R::kKitchen, I::kOrangeKey}},
     "Type: take the orange key", "put the Orange Key down"},
};
// clang-format on

// One row; a failed ASSERT ends only this row.
void CheckRow(const Case& row) {
  World world;
  StoryFlags flags;
  flags.titleDone = true;
  world.location = row.room;
  for (R room : row.facts.visited)
    Visited(flags, room) = true;
  for (R room : row.facts.seeded)
    flags.seeded[static_cast<std::size_t>(room)] = true;
  for (I item : row.facts.has)
    Has(flags, item) = true;
  flags.gateInspected = row.facts.gateInspected;
  flags.headOutsidePending = row.facts.headOutsidePending;
  world.inventory = row.carried;
  for (const auto& [room, item] : row.lying)
    world.At(room).items.push_back(item);

  const Hint hint = HintFor(world, flags);
  const std::string plain = Fill(hint.plain);
  const std::string nudge = Fill(hint.nudge);
  EXPECT_EQ(plain, row.plain);
  EXPECT_NE(nudge.find(row.nudgeHas), std::string::npos) << nudge;
  EXPECT_EQ(nudge.find("Type:"), std::string::npos);

  // The words are ones the shipped vocabulary understands.
  std::ostringstream sorry;
  const ConsoleRedirect quiet(sorry, sorry);
  ASSERT_EQ(plain.rfind("Type: ", 0), 0u) << plain;
  const std::int32_t code = MatchResponseIn(PRISMORA_SHIPPED_RESPONSES, plain.substr(6));
  EXPECT_NE(MeaningOf(code), nullptr) << plain;
}

TEST(HintsTest, EachStateGetsTheStepThatWorksThere) {
  for (const Case& row : kCases) {
    SCOPED_TRACE(row.what);
    CheckRow(row);
  }
}

}  // namespace
