#include "items/item_actions.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "items/item_names.h"

const ItemRow kItems[8] = {
    {item::kRedStone, "stone", code::kTakeRedStone, code::kDropRedStone},
    {item::kYellowStone, "stone", code::kTakeYellowStone, code::kDropYellowStone},
    {item::kBlueStone, "stone", code::kTakeBlueStone, code::kDropBlueStone},
    {item::kBedroomKey, "key", code::kTakeBedroomKey, code::kDropBedroomKey},
    {item::kShedKey, "key", code::kTakeShedKey, code::kDropShedKey},
    {item::kOrangeKey, "key", code::kTakeOrangeKey, code::kDropOrangeKey},
    {item::kGreenKey, "key", code::kTakeGreenKey, code::kDropGreenKey},
    {item::kPurpleKey, "key", code::kTakePurpleKey, code::kDropPurpleKey},
};

ItemAction FindItemAction(std::int32_t code) {
  for (const ItemRow& row : kItems) {
    if (row.take.Holds(code))
      return {row.name, ItemVerb::kTake};
    if (row.drop.Holds(code))
      return {row.name, ItemVerb::kDrop};
  }
  return {};
}

void HandleItemAction(World& world, const std::int32_t& inputNumber) {
  const ItemAction action = FindItemAction(inputNumber);
  if (action.item != nullptr)
    MoveItem(world, action.item, action.verb);
}

void MoveItem(World& world, const char* item, ItemVerb verb) {
  const std::string iSearch = item;
  const bool take = verb == ItemVerb::kTake;
  std::vector<std::string>& source = take ? world.location->items : world.inventory;
  std::vector<std::string>& destination = take ? world.inventory : world.location->items;

  const auto found = std::find(source.begin(), source.end(), iSearch);
  if (found == source.end()) {
    // The article stays "a" for every item, "a Orange Key" included: the messages are fixed.
    if (take) {
      std::cout << "\nThere isn't a " << iSearch << " in here." << std::endl;
    } else {
      std::cout << "\nThere isn't a " << iSearch << " in your inventory." << std::endl;
    }
    return;
  }
  if (take) {
    std::cout << "\nThe " << iSearch << " was added to your inventory." << std::endl;
  } else {
    std::cout << "\nYou dropped the " << iSearch << "." << std::endl;
  }
  source.erase(found);
  destination.push_back(iSearch);
}

void ShowInventory(const World& world) {
  std::cout << "\nYour Inventory:" << std::endl;
  for (const std::string& name : world.inventory)
    std::cout << "\n" << name << std::endl;
}
