#include "items/item_actions.h"

#include <algorithm>
#include <vector>

#include "text/console.h"

std::optional<ItemAction> FindItemAction(std::int32_t code) {
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const ItemId item = static_cast<ItemId>(i);
    if (DataOf(item).take.Holds(code))
      return ItemAction{item, ItemVerb::kTake};
    if (DataOf(item).drop.Holds(code))
      return ItemAction{item, ItemVerb::kDrop};
  }
  return std::nullopt;
}

void HandleItemAction(World& world, const std::int32_t& inputNumber) {
  if (const std::optional<ItemAction> action = FindItemAction(inputNumber))
    MoveItem(world, action->item, action->verb);
}

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

void ShowInventory(const World& world) {
  Say(Text::kInventoryHeading);
  for (ItemId item : world.inventory)
    Say(Text::kInventoryRow, {DataOf(item).name});
}
