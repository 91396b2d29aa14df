#include "items/items_by_kind.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace {

const char* KindOf(const std::string& name) {
  for (const ItemRow& row : kItems) {
    if (name == row.name)
      return row.kind;
  }
  return "";
}

}  // namespace

std::vector<std::string> NamesOfKind(const std::vector<std::string>& list, const char* kind) {
  std::vector<std::string> names;
  for (const std::string& entry : list) {
    if (std::strcmp(KindOf(entry), kind) == 0 &&
        std::find(names.begin(), names.end(), entry) == names.end()) {
      names.push_back(entry);
    }
  }
  return names;
}

void MoveItemOfKind(World& world, const char* kind, ItemVerb verb) {
  const bool take = verb == ItemVerb::kTake;
  const std::vector<std::string> names =
      NamesOfKind(take ? world.location->items : world.inventory, kind);
  if (names.size() == 1) {
    MoveItem(world, names[0].c_str(), verb);
    return;
  }
  // In the style of the item messages, which name no item here.
  if (names.empty()) {
    std::cout << "\nThere isn't a " << kind << (take ? " in here." : " in your inventory.")
              << std::endl;
    return;
  }
  std::cout << "\nWhich " << kind << " do you mean: ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0)
      std::cout << (i + 1 == names.size() ? " or " : ", ");
    std::cout << "the " << names[i];
  }
  std::cout << "?" << std::endl;
}
