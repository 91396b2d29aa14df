#include "items/item_actions.h"

#include <algorithm>
#include <vector>

#include "text/console.h"

void MoveItem(World& world, ItemId item, ItemVerb verb) {
  const bool take = verb == ItemVerb::kTake;
  std::vector<ItemId>& source = take ? world.Here().items : world.inventory;
  std::vector<ItemId>& destination = take ? world.inventory : world.Here().items;
  const char* name = DataOf(item).name;

  const auto found = std::find(source.begin(), source.end(), item);
  if (found == source.end()) {
    Say(take ? Text::kNotHere : Text::kNotCarried, {name});
    return;
  }
  Say(take ? Text::kTaken : Text::kDropped, {name});
  source.erase(found);
  destination.push_back(item);
}

void MoveAll(World& world, ItemVerb verb) {
  const bool take = verb == ItemVerb::kTake;
  // A copy: the list shrinks as each item goes.
  const std::vector<ItemId> items = take ? world.Here().items : world.inventory;
  if (items.empty()) {
    Say(take ? Text::kNothingToTake : Text::kNothingToDrop);
    return;
  }
  for (ItemId item : items)
    MoveItem(world, item, verb);
}

void ShowInventory(const World& world) {
  Say(Text::kInventoryHeading);
  for (ItemId item : world.inventory)
    Say(Text::kInventoryRow, {DataOf(item).name});
}
