#include "world/world.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "world/room_ids.h"

namespace {

struct Way {
  Room* Room::*exit;
  Room* Room::*back;
  const char* name;
};
const Way kWays[] = {{&Room::east, &Room::west, "east"},
                     {&Room::west, &Room::east, "west"},
                     {&Room::north, &Room::south, "north"},
                     {&Room::south, &Room::north, "south"}};

std::string ExitId(const World& world, const Room& room, Room* Room::*exit) {
  const Room* to = room.*exit;
  return to == nullptr ? "none" : RoomIdOf(world, to);
}

TEST(WorldTest, StartsOnTheMountainPathWithNothingAnywhere) {
  const World world;
  EXPECT_EQ(world.location, world.firstRoom);
  EXPECT_EQ(world.firstRoom->name, "\nMountain Path");
  EXPECT_STREQ(RoomIdOf(world, world.location), room_id::kSnowyPath);
  EXPECT_TRUE(world.inventory.empty());
  for (const auto& room : world.rooms)
    EXPECT_TRUE(room->items.empty()) << room->name;
}

TEST(WorldTest, ExitsAreTheMapOfTheGame) {
  const World world;
  // east, west, north, south of each room, in the order the world is built.
  const char* const expected[kRoomCount][5] = {
      {"Snowy Path", "none", "none", "Snowy Yard", "none"},
      {"Snowy Yard", "Living Room", "Worn Path", "Cliffside Path", "Snowy Path"},
      {"Worn Path", "Snowy Yard", "Food Shed", "Graveyard", "none"},
      {"Food Shed", "Worn Path", "none", "none", "none"},
      {"Graveyard", "none", "none", "none", "Worn Path"},
      {"Living Room", "Hallway", "Snowy Yard", "none", "Kitchen"},
      {"Kitchen", "none", "none", "Living Room", "none"},
      {"Hallway", "Bedroom", "Living Room", "Basement", "none"},
      {"Basement", "none", "none", "none", "Hallway"},
      {"Bedroom", "none", "Hallway", "none", "none"},
      {"Cliffside Path", "none", "none", "Final Room", "Snowy Yard"},
      {"Final Room", "none", "none", "none", "Cliffside Path"},
  };
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    const Room& room = *world.rooms[i];
    EXPECT_STREQ(RoomIdOf(world, &room), expected[i][0]);
    for (int w = 0; w < 4; ++w) {
      EXPECT_EQ(ExitId(world, room, kWays[w].exit), expected[i][w + 1])
          << expected[i][0] << " " << kWays[w].name;
    }
  }
}

TEST(WorldTest, EveryExitLeadsBackTheOppositeWay) {
  const World world;
  int links = 0;
  for (const auto& room : world.rooms) {
    for (const Way& way : kWays) {
      const Room* to = (*room).*way.exit;
      if (to == nullptr)
        continue;
      ++links;
      EXPECT_EQ((*to).*way.back, room.get()) << RoomIdOf(world, room.get()) << " " << way.name;
    }
  }
  EXPECT_EQ(links, 22);  // eleven links, each usable both ways
}

TEST(WorldTest, RoomsAreTwelveDistinctPlacesWithDistinctIds) {
  const World world;
  std::set<const Room*> rooms;
  std::set<std::string> ids;
  for (const auto& room : world.rooms) {
    rooms.insert(room.get());
    ids.insert(RoomIdOf(world, room.get()));
    EXPECT_EQ(FindRoom(world, RoomIdOf(world, room.get())), room.get());
  }
  EXPECT_EQ(rooms.size(), kRoomCount);
  EXPECT_EQ(ids.size(), kRoomCount);
  EXPECT_EQ(FindRoom(world, "Attic"), nullptr);
  EXPECT_EQ(RoomIdOf(world, nullptr), nullptr);
}

TEST(WorldTest, HeadingsCarryTheirOwnLeadingLineFeeds) {
  const World world;
  for (const char* id : {room_id::kWornPath, room_id::kFoodShed, room_id::kGraveyard}) {
    EXPECT_EQ(FindRoom(world, id)->name, id);  // no empty line before these three
  }
  EXPECT_EQ(FindRoom(world, room_id::kBedroom)->name, "\n     Rosen and Sunnie's Bedroom");
  EXPECT_EQ(FindRoom(world, room_id::kFinalRoom)->name, "\nWide Field");
  EXPECT_EQ(FindRoom(world, room_id::kFinalRoom)->returnText, "");
}

TEST(WorldTest, TextLayoutRules) {
  const World world;
  for (const auto& room : world.rooms) {
    const std::string id = RoomIdOf(world, room.get());
    const std::string& text = room->description;
    if (id == room_id::kBedroom) {
      EXPECT_NE(text[0], '\n');
      EXPECT_NE(text[0], ' ');
    } else {
      EXPECT_EQ(text.rfind("\n     ", 0), 0u) << id;
    }
    EXPECT_EQ(text.find("\n\n\n"), std::string::npos) << id;
  }
  const Room& worn = *FindRoom(world, room_id::kWornPath);
  EXPECT_EQ(worn.description, worn.returnText);
  const Room& basement = *FindRoom(world, room_id::kBasement);
  EXPECT_EQ(basement.description.rfind(basement.returnText, 0), 0u);
  const Room& cliff = *FindRoom(world, room_id::kCliffsidePath);
  const std::string lastSentence = cliff.returnText.substr(6);
  EXPECT_EQ(cliff.description.substr(cliff.description.size() - lastSentence.size()), lastSentence);
}

TEST(WorldTest, OpeningTextsKeepToNarrowLines) {
  const World world;
  for (const char* id : {room_id::kSnowyPath, room_id::kSnowyYard}) {
    std::istringstream lines(FindRoom(world, id)->description);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
      EXPECT_LE(line.size(), 118u) << id << ": " << line;
      ++count;
    }
    EXPECT_GT(count, 3) << id;
  }
}

TEST(WorldTest, FinalSceneHasTenParagraphsAllIndentedButTheFathersWords) {
  const World world;
  const std::string text = FindRoom(world, room_id::kFinalRoom)->description.substr(1);
  std::size_t start = 0;
  int paragraphs = 0;
  int unindented = 0;
  for (;;) {
    const std::size_t end = text.find("\n\n", start);
    const std::string paragraph = text.substr(start, end - start);
    ++paragraphs;
    if (paragraph.rfind("     ", 0) != 0) {
      ++unindented;
      EXPECT_EQ(paragraph.front(), '"');
    }
    if (end == std::string::npos)
      break;
    start = end + 2;
  }
  EXPECT_EQ(paragraphs, 10);
  EXPECT_EQ(unindented, 1);
  EXPECT_NE(text.find("\n\n     *SUMMARY IN CASE I DON'T WRITE IT LATER*\n\n"), std::string::npos);
  const std::string last = "\n\n     You have a world to save.";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST(RoomTest, PrintsEachTextAsStoredThenOneLineEnd) {
  const World world;
  const Room& yard = *FindRoom(world, room_id::kSnowyYard);
  testing::internal::CaptureStdout();
  yard.PrintName();
  yard.PrintReturnText();
  FindRoom(world, room_id::kFinalRoom)->PrintReturnText();
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nSnowy Yard\nYou're back in the snowy yard. The cabin lies to the east, the large "
            "gate to the north, and the worn path to the west. \n\n");
}

}  // namespace
