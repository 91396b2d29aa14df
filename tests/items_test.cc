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

// Each item with the first and last code of its take range and of its drop range.
struct Row {
  const char* item;
  std::int32_t take[2];
  std::int32_t drop[2];
};
const Row kRows[] = {
    {"Red Stone", {112, 119}, {184, 189}},  {"Yellow Stone", {121, 128}, {198, 203}},
    {"Blue Stone", {130, 137}, {191, 196}}, {"Bedroom Key", {139, 146}, {226, 231}},
    {"Shed Key", {148, 155}, {233, 238}},   {"Orange Key", {157, 164}, {205, 210}},
    {"Green Key", {166, 173}, {212, 217}},  {"Purple Key", {175, 182}, {219, 224}},
};

TEST_F(ItemsTest, BothEndsOfEveryRangeTakeAndDropTheirItem) {
  for (const Row& row : kRows) {
    const std::string name = row.item;
    for (int end = 0; end < 2; ++end) {
      Here() = {"Lantern", name};
      world_.inventory = {"Lantern"};
      EXPECT_EQ(Act(row.take[end]), "\nThe " + name + " was added to your inventory.\n");
      EXPECT_EQ(world_.inventory, (Items{"Lantern", name}));
      EXPECT_EQ(Here(), Items{"Lantern"}) << name;
      Here().clear();
      EXPECT_EQ(Act(row.take[end]), "\nThere isn't a " + name + " in here.\n");
      EXPECT_EQ(Act(row.drop[end]), "\nYou dropped the " + name + ".\n");
      EXPECT_EQ(Here(), Items{name});
      world_.inventory = {"Lantern"};
      EXPECT_EQ(Act(row.drop[end]), "\nThere isn't a " + name + " in your inventory.\n");
      EXPECT_EQ(Here(), Items{name});
    }
  }
}

TEST_F(ItemsTest, CodesBetweenAndAroundTheRangesDoNothing) {
  Here() = {"Red Stone", "Shed Key"};
  world_.inventory = {"Orange Key"};
  for (std::int32_t c :
       {111, 120, 129, 138, 147, 156, 165, 174, 183, 190, 197, 204, 211, 218, 225, 232, 239, 240}) {
    EXPECT_EQ(Act(c), "") << c;
  }
  EXPECT_EQ(Here(), (Items{"Red Stone", "Shed Key"}));
  EXPECT_EQ(world_.inventory, Items{"Orange Key"});
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

TEST_F(ItemsTest, InventoryListsEveryEntryInArrivalOrder) {
  testing::internal::CaptureStdout();
  ShowInventory(world_);
  world_.inventory = {"Purple Key", "Red Stone", "Purple Key"};
  ShowInventory(world_);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nYour Inventory:\n\nYour Inventory:\n\nPurple Key\n\nRed Stone\n\nPurple Key\n");
}

}  // namespace
