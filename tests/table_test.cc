// The table of meanings and the facts the hints read from the room table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/hints.h"
#include "game/meanings.h"
#include "game/room_table.h"
#include "game/table_check.h"
#include "text/console.h"

namespace {

RoomScript& RowOf(std::vector<RoomScript>& rooms, RoomId id) {
  return *std::find_if(rooms.begin(), rooms.end(),
                       [id](const RoomScript& r) { return r.id == id; });
}
Row& SharedRow(std::vector<Row>& rows, CodeRange codes) {
  return *std::find_if(rows.begin(), rows.end(),
                       [codes](const Row& r) { return r.codes.first == codes.first; });
}

TEST(TableCheck, TheGamesOwnTableIsSound) {
  EXPECT_EQ(CheckTable(SharedRows(), kRoomScripts, kEndRoom), std::vector<std::string>{});
}

// Each fault spoils a copy of the game's table once; the check must name it.
TEST(TableCheck, NamesEachFault) {
  using Spoil = std::function<void(std::vector<Row>&, std::vector<RoomScript>&)>;
  const struct {
    const char* what;
    Spoil spoil;
    std::string said;
  } cases[] = {
      {"a room without a row",
       [](auto&, auto& rooms) {
         rooms.erase(std::find_if(rooms.begin(), rooms.end(),
                                  [](const RoomScript& r) { return r.id == RoomId::kKitchen; }));
       },
       "the Kitchen has no row in the room table"},
      {"a room with two rows", [](auto&, auto& rooms) { rooms.push_back(rooms.front()); },
       "the Mountain Path has two rows"},
      {"a row for undeclared codes",
       [](auto& shared, auto&) {
         shared.push_back(Answer({400, 401}, nullptr));
       },
       "a row takes codes 400-401"},
      {"two shared rows for one meaning",
       [](auto& shared, auto&) { shared.push_back(SharedRow(shared, code::kLook)); },
       "kLook is taken by two shared rows"},
      {"a room's row over a shared one, unsaid",
       [](auto&, auto& rooms) {
         RowOf(rooms, RoomId::kKitchen).rows.push_back(Answer(code::kLook, nullptr));
       },
       "the Kitchen's own row for kLook takes a shared row's codes"},
      {"a title meaning answered in rooms",
       [](auto& shared, auto&) { SharedRow(shared, code::kQuit).inRooms = true; },
       "kQuit is not answered where"},
      {"a meaning of some rooms that no room takes",
       [](auto&, auto& rooms) { RowOf(rooms, RoomId::kMountainPath).rows.clear(); },
       "kTalkBlot is not answered where"},
  };
  for (const auto& c : cases) {
    std::vector<Row> shared = SharedRows();
    std::vector<RoomScript> rooms = kRoomScripts;
    c.spoil(shared, rooms);
    const std::vector<std::string> faults = CheckTable(shared, rooms, kEndRoom);
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(),
                            [&](const std::string& f) { return f.rfind(c.said, 0) == 0; }))
        << c.what << ": " << ::testing::PrintToString(faults);
  }
}

// Before play, each fault is said on the error stream, and nothing on the story's.
TEST(TableCheck, ABrokenTableIsSaidBeforePlay) {
  std::vector<RoomScript> rooms = kRoomScripts;
  rooms.pop_back();
  std::ostringstream out, err;
  {
    const ConsoleRedirect capture(out, err);
    EXPECT_TRUE(TableIsSound(SharedRows(), kRoomScripts));
    EXPECT_FALSE(TableIsSound(SharedRows(), rooms));
  }
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "prismora: the table of meanings is broken: " +
                           Fill(Text::kNoRoomRow, {TextsOf(kRoomScripts.back().id).place}) + "\n");
}

TEST(FindRow, RoomRowsFirstTitleOnlyWhereDeclared) {
  const RoomScript& bedroom = *ScriptOf(RoomId::kBedroom);
  // The bedroom's stone is the nightstand's, whatever it is called; elsewhere it is a loose one.
  EXPECT_EQ(FindRow(code::kTakeStoneByKind.first, &bedroom)->item, ItemId::kRedStone);
  EXPECT_EQ(FindRow(code::kTakeStoneByKind.first, ScriptOf(RoomId::kKitchen))->kind,
            std::string("stone"));
  EXPECT_NE(FindRow(code::kStart.first, nullptr), nullptr);
  EXPECT_EQ(FindRow(code::kStart.first, &bedroom), nullptr);
  EXPECT_EQ(FindRow(code::kLook.first, nullptr), nullptr);
  EXPECT_EQ(FindRow(code::kTalkBlot.first, &bedroom), nullptr);
  EXPECT_EQ(FindRow(code::kHighestMeaningful + 1, &bedroom), nullptr);
}

// Where the hints look for an item and what keeps the end shut, read from a room table.
TEST(HintFacts, HomesAndTheGateComeFromTheTable) {
  EXPECT_EQ(HomeOf(ItemId::kShedKey, kRoomScripts).room, RoomId::kBasement);
  EXPECT_FALSE(HomeOf(ItemId::kShedKey, kRoomScripts).handedOut);
  EXPECT_EQ(HomeOf(ItemId::kRedStone, kRoomScripts).room, RoomId::kBedroom);
  EXPECT_TRUE(HomeOf(ItemId::kRedStone, kRoomScripts).handedOut);
  EXPECT_FALSE(HomeOf(ItemId::kOrangeKey, kRoomScripts).room);

  // The shed key put down in the bedroom instead: its home moves with it.
  std::vector<RoomScript> moved = kRoomScripts;
  RowOf(moved, RoomId::kBasement).seeds.clear();
  RowOf(moved, RoomId::kBedroom).Seeds({ItemId::kShedKey}, false);
  EXPECT_EQ(HomeOf(ItemId::kShedKey, moved).room, RoomId::kBedroom);

  const World world;
  const Guard* gate = GateOf(world, kRoomScripts, kEndRoom);
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(gate->keys,
            (std::vector<ItemId>{ItemId::kOrangeKey, ItemId::kGreenKey, ItemId::kPurpleKey}));
  // Without the gate, no guarded way stands on every walk to the end.
  std::vector<RoomScript> open = kRoomScripts;
  RowOf(open, RoomId::kSnowyYard).guards = {};
  EXPECT_EQ(GateOf(world, open, kEndRoom), nullptr);
}

}  // namespace
