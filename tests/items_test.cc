#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/item_actions.h"
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
  Items& Here() { return world_.location->items; }

  World world_;
};

// The four messages, "a Orange Key" included, and what moves where.
TEST_F(ItemsTest, TakeAndDropMoveOneEntryWithTheirMessages) {
  Here() = {"Lantern", "Orange Key"};
  EXPECT_EQ(Act(157), "\nThe Orange Key was added to your inventory.\n");
  EXPECT_EQ(world_.inventory, Items{"Orange Key"});
  EXPECT_EQ(Act(164), "\nThere isn't a Orange Key in here.\n");
  EXPECT_EQ(Act(210), "\nYou dropped the Orange Key.\n");
  EXPECT_EQ(Here(), (Items{"Lantern", "Orange Key"}));
  EXPECT_EQ(Act(205), "\nThere isn't a Orange Key in your inventory.\n");
  EXPECT_EQ(Act(120), "");  // between the ranges: nothing at all
  EXPECT_EQ(Here(), (Items{"Lantern", "Orange Key"}));
  EXPECT_TRUE(world_.inventory.empty());
}

// Only the first of equal entries moves, and it goes to the end of the other list.
TEST_F(ItemsTest, OnlyTheFirstOfRepeatedEntriesMoves) {
  Here() = {"Bedroom Key", "Yellow Stone", "Bedroom Key"};
  world_.inventory = {"Orange Key", "Green Key", "Orange Key"};
  Act(139);
  EXPECT_EQ(Here(), (Items{"Yellow Stone", "Bedroom Key"}));
  Act(205);
  EXPECT_EQ(world_.inventory, (Items{"Green Key", "Orange Key", "Bedroom Key"}));
  EXPECT_EQ(Here(), (Items{"Yellow Stone", "Bedroom Key", "Orange Key"}));
}

}  // namespace
