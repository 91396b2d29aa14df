#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/response_codes.h"
#include "items/item_actions.h"
#include "world/room_ids.h"
#include "world/world.h"

namespace {

using Items = std::vector<std::string>;

class ItemsTest : public testing::Test {
 protected:
  // Runs one item action and returns what it printed.
  std::string Act(std::int32_t inputNumber) {
    testing::internal::CaptureStdout();
    HandleItemAction(world_, inputNumber);
    return testing::internal::GetCapturedStdout();
  }
  std::string Inventory() {
    testing::internal::CaptureStdout();
    ShowInventory(world_);
    return testing::internal::GetCapturedStdout();
  }
  Items& Here() { return world_.location->items; }

  World world_;
};

// Each row: the first and last code of its take range and of its drop range, and the exact
// messages the game prints for it.
struct Catalogue {
  const char* item;
  std::int32_t takeFirst, takeLast, dropFirst, dropLast;
  const char* taken;
  const char* notHere;
  const char* dropped;
  const char* notCarried;
};
const Catalogue kCatalogue[] = {
    {"Red Stone", 112, 119, 184, 189, "\nThe Red Stone was added to your inventory.\n",
     "\nThere isn't a Red Stone in here.\n", "\nYou dropped the Red Stone.\n",
     "\nThere isn't a Red Stone in your inventory.\n"},
    {"Yellow Stone", 121, 128, 198, 203, "\nThe Yellow Stone was added to your inventory.\n",
     "\nThere isn't a Yellow Stone in here.\n", "\nYou dropped the Yellow Stone.\n",
     "\nThere isn't a Yellow Stone in your inventory.\n"},
    {"Blue Stone", 130, 137, 191, 196, "\nThe Blue Stone was added to your inventory.\n",
     "\nThere isn't a Blue Stone in here.\n", "\nYou dropped the Blue Stone.\n",
     "\nThere isn't a Blue Stone in your inventory.\n"},
    {"Bedroom Key", 139, 146, 226, 231, "\nThe Bedroom Key was added to your inventory.\n",
     "\nThere isn't a Bedroom Key in here.\n", "\nYou dropped the Bedroom Key.\n",
     "\nThere isn't a Bedroom Key in your inventory.\n"},
    {"Shed Key", 148, 155, 233, 238, "\nThe Shed Key was added to your inventory.\n",
     "\nThere isn't a Shed Key in here.\n", "\nYou dropped the Shed Key.\n",
     "\nThere isn't a Shed Key in your inventory.\n"},
    {"Orange Key", 157, 164, 205, 210, "\nThe Orange Key was added to your inventory.\n",
     "\nThere isn't a Orange Key in here.\n", "\nYou dropped the Orange Key.\n",
     "\nThere isn't a Orange Key in your inventory.\n"},
    {"Green Key", 166, 173, 212, 217, "\nThe Green Key was added to your inventory.\n",
     "\nThere isn't a Green Key in here.\n", "\nYou dropped the Green Key.\n",
     "\nThere isn't a Green Key in your inventory.\n"},
    {"Purple Key", 175, 182, 219, 224, "\nThe Purple Key was added to your inventory.\n",
     "\nThere isn't a Purple Key in here.\n", "\nYou dropped the Purple Key.\n",
     "\nThere isn't a Purple Key in your inventory.\n"},
};

TEST_F(ItemsTest, EveryCodeOfEveryRangeTakesAndDropsItsItemWithItsMessages) {
  for (const Catalogue& row : kCatalogue) {
    for (std::int32_t take = row.takeFirst; take <= row.takeLast; ++take) {
      const std::int32_t drop = row.dropFirst + (take - row.takeFirst) % 6;
      Here() = {row.item};
      world_.inventory.clear();
      EXPECT_EQ(Act(take), row.taken) << take;
      EXPECT_TRUE(Here().empty());
      EXPECT_EQ(world_.inventory, Items{row.item});
      EXPECT_EQ(Act(take), row.notHere) << take;
      EXPECT_EQ(world_.inventory, Items{row.item});
      EXPECT_EQ(Act(drop), row.dropped) << drop;
      EXPECT_EQ(Here(), Items{row.item});
      EXPECT_TRUE(world_.inventory.empty());
      EXPECT_EQ(Act(drop), row.notCarried) << drop;
      EXPECT_EQ(Here(), Items{row.item});
    }
    for (std::int32_t drop = row.dropFirst; drop <= row.dropLast; ++drop) {
      world_.inventory = {row.item};
      Here().clear();
      EXPECT_EQ(Act(drop), row.dropped) << drop;
    }
  }
}

TEST_F(ItemsTest, CodesBetweenAndAroundTheRangesDoNothing) {
  Here() = {"Red Stone", "Shed Key"};
  world_.inventory = {"Orange Key"};
  for (std::int32_t c : {0,   1,   111, 120, 129, 138, 147, 156, 165, 174, 183,
                         190, 197, 204, 211, 218, 225, 232, 239, 240, 273}) {
    EXPECT_EQ(Act(c), "") << c;
  }
  EXPECT_EQ(Here(), (Items{"Red Stone", "Shed Key"}));
  EXPECT_EQ(world_.inventory, Items{"Orange Key"});
}

TEST_F(ItemsTest, TakeMovesTheFirstMatchingEntryAndKeepsTheRestInOrder) {
  Here() = {"Yellow Stone", "Bedroom Key", "Blue Stone", "Bedroom Key"};
  world_.inventory = {"Red Stone"};
  EXPECT_EQ(Act(code::kTakeBlueStone.first), "\nThe Blue Stone was added to your inventory.\n");
  EXPECT_EQ(Here(), (Items{"Yellow Stone", "Bedroom Key", "Bedroom Key"}));
  EXPECT_EQ(world_.inventory, (Items{"Red Stone", "Blue Stone"}));
  Act(code::kTakeBedroomKey.first);
  EXPECT_EQ(Here(), (Items{"Yellow Stone", "Bedroom Key"}));
  EXPECT_EQ(world_.inventory, (Items{"Red Stone", "Blue Stone", "Bedroom Key"}));
}

TEST_F(ItemsTest, DropOfARepeatedItemMovesOneEntryOnly) {
  world_.inventory = {"Orange Key", "Green Key", "Orange Key"};
  Here() = {"Shed Key"};
  EXPECT_EQ(Act(code::kDropOrangeKey.last), "\nYou dropped the Orange Key.\n");
  EXPECT_EQ(world_.inventory, (Items{"Green Key", "Orange Key"}));
  EXPECT_EQ(Here(), (Items{"Shed Key", "Orange Key"}));
  EXPECT_EQ(Inventory(), "\nYour Inventory:\n\nGreen Key\n\nOrange Key\n");
}

TEST_F(ItemsTest, TakeLooksOnlyAtTheRoomAndDropOnlyAtTheInventory) {
  world_.inventory = {"Shed Key"};
  Here() = {"Red Stone"};
  EXPECT_EQ(Act(code::kTakeShedKey.first), "\nThere isn't a Shed Key in here.\n");
  EXPECT_EQ(Act(code::kDropRedStone.first), "\nThere isn't a Red Stone in your inventory.\n");
  EXPECT_EQ(world_.inventory, Items{"Shed Key"});
  EXPECT_EQ(Here(), Items{"Red Stone"});
}

TEST_F(ItemsTest, ADroppedItemStaysInTheRoomWhereItWasDropped) {
  world_.inventory = {"Shed Key"};
  world_.location = world_.location->north;  // the yard
  Act(code::kDropShedKey.first);
  world_.location = world_.location->east;  // the living room
  EXPECT_EQ(Act(code::kTakeShedKey.first), "\nThere isn't a Shed Key in here.\n");
  world_.location = world_.location->west;
  EXPECT_EQ(Act(code::kTakeShedKey.first), "\nThe Shed Key was added to your inventory.\n");
  EXPECT_EQ(world_.inventory, Items{"Shed Key"});
}

TEST_F(ItemsTest, InventoryListsEveryEntryInArrivalOrder) {
  EXPECT_EQ(Inventory(), "\nYour Inventory:\n");
  world_.inventory = {"Purple Key", "Red Stone", "Purple Key"};
  EXPECT_EQ(Inventory(), "\nYour Inventory:\n\nPurple Key\n\nRed Stone\n\nPurple Key\n");
}

}  // namespace
