#include "world/world.h"

#include <gtest/gtest.h>

#include "world/room_ids.h"

namespace {

TEST(WorldTest, StartsEmptyOnTheMountainPathAndEveryExitLeadsBack) {
  const World world;
  EXPECT_EQ(world.location, world.firstRoom);
  EXPECT_STREQ(RoomIdOf(world, world.location), room_id::kSnowyPath);
  EXPECT_TRUE(world.inventory.empty());
  EXPECT_EQ(FindRoom(world, "Attic"), nullptr);

  struct Way {
    Room* Room::*exit;
    Room* Room::*back;
  };
  const Way ways[] = {{&Room::east, &Room::west},
                      {&Room::west, &Room::east},
                      {&Room::north, &Room::south},
                      {&Room::south, &Room::north}};
  int links = 0;
  for (const auto& room : world.rooms) {
    EXPECT_TRUE(room->items.empty()) << room->name;
    EXPECT_EQ(FindRoom(world, RoomIdOf(world, room.get())), room.get()) << room->name;
    for (const Way& way : ways) {
      const Room* to = (*room).*way.exit;
      if (to == nullptr)
        continue;
      ++links;
      EXPECT_EQ((*to).*way.back, room.get()) << room->name;
    }
  }
  EXPECT_EQ(links, 22);  // eleven links, each usable both ways
}

}  // namespace
