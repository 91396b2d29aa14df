#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "items/item_actions.h"
#include "text/console.h"
#include "world/world.h"

namespace {

using I = ItemId;
using Items = std::vector<I>;

class ItemsTest : public testing::Test {
 protected:
  // Runs one item action and returns what it printed.
  std::string Act(std::int32_t inputNumber) {
    std::ostringstream out;
    const ConsoleRedirect capture(out, out);
    HandleItemAction(world_, inputNumber);
    return out.str();
  }
  Items& Here() { return world_.Here().items; }

  World world_;
};

// The four messages, "a Orange Key" included, and what moves where.
TEST_F(ItemsTest, TakeAndDropMoveOneEntryWithTheirMessages) {
  Here() = {I::kShedKey, I::kOrangeKey};
  EXPECT_EQ(Act(157), "\nThe Orange Key was added to your inventory.\n");
  EXPECT_EQ(world_.inventory, Items{I::kOrangeKey});
  EXPECT_EQ(Act(164), "\nThere isn't a Orange Key in here.\n");
  EXPECT_EQ(Act(210), "\nYou dropped the Orange Key.\n");
  EXPECT_EQ(Here(), (Items{I::kShedKey, I::kOrangeKey}));
  EXPECT_EQ(Act(205), "\nThere isn't a Orange Key in your inventory.\n");
  EXPECT_EQ(Act(120), "");  // between the ranges: nothing at all
  EXPECT_EQ(Here(), (Items{I::kShedKey, I::kOrangeKey}));
  EXPECT_TRUE(world_.inventory.empty());
}

// Only the first of equal entries moves, and it goes to the end of the other list.
TEST_F(ItemsTest, OnlyTheFirstOfRepeatedEntriesMoves) {
  Here() = {I::kBedroomKey, I::kYellowStone, I::kBedroomKey};
  world_.inventory = {I::kOrangeKey, I::kGreenKey, I::kOrangeKey};
  Act(139);
  EXPECT_EQ(Here(), (Items{I::kYellowStone, I::kBedroomKey}));
  Act(205);
  EXPECT_EQ(world_.inventory, (Items{I::kGreenKey, I::kOrangeKey, I::kBedroomKey}));
  EXPECT_EQ(Here(), (Items{I::kYellowStone, I::kBedroomKey, I::kOrangeKey}));
}

}  // namespace
