#include "items/item_actions.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "items/item_names.h"

const ItemActionRow kItemActions[kItemActionRowCount] = {
    {code::kTakeRedStone, item::kRedStone, ItemVerb::kTake},
    {code::kTakeYellowStone, item::kYellowStone, ItemVerb::kTake},
    {code::kTakeBlueStone, item::kBlueStone, ItemVerb::kTake},
    {code::kTakeOrangeKey, item::kOrangeKey, ItemVerb::kTake},
    {code::kTakeGreenKey, item::kGreenKey, ItemVerb::kTake},
    {code::kTakePurpleKey, item::kPurpleKey, ItemVerb::kTake},
    {code::kTakeBedroomKey, item::kBedroomKey, ItemVerb::kTake},
    {code::kTakeShedKey, item::kShedKey, ItemVerb::kTake},
    {code::kDropRedStone, item::kRedStone, ItemVerb::kDrop},
    {code::kDropBlueStone, item::kBlueStone, ItemVerb::kDrop},
    {code::kDropYellowStone, item::kYellowStone, ItemVerb::kDrop},
    {code::kDropOrangeKey, item::kOrangeKey, ItemVerb::kDrop},
    {code::kDropGreenKey, item::kGreenKey, ItemVerb::kDrop},
    {code::kDropPurpleKey, item::kPurpleKey, ItemVerb::kDrop},
    {code::kDropBedroomKey, item::kBedroomKey, ItemVerb::kDrop},
    {code::kDropShedKey, item::kShedKey, ItemVerb::kDrop},
};

const ItemActionRow* FindItemAction(std::int32_t code) {
  for (const ItemActionRow& row : kItemActions) {
    if (row.codes.Holds(code))
      return &row;
  }
  return nullptr;
}

void HandleItemAction(World& world, const std::int32_t& inputNumber) {
  const ItemActionRow* row = FindItemAction(inputNumber);
  if (row == nullptr)
    return;

  const std::string iSearch = row->item;
  const bool take = row->verb == ItemVerb::kTake;
  std::vector<std::string>& source = take ? world.location->items : world.inventory;
  std::vector<std::string>& destination = take ? world.inventory : world.location->items;

  const auto found = std::find(source.begin(), source.end(), iSearch);
  if (found == source.end()) {
    // The article is "a" for every item, "a Orange Key" too; kept as written.
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
