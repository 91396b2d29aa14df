#include "items/items_by_kind.h"

#include <algorithm>
#include <cctype>

#include "text/console.h"

std::vector<ItemId> ItemsOfKind(const std::vector<ItemId>& list, std::string_view kind) {
  std::vector<ItemId> items;
  for (ItemId entry : list) {
    if (DataOf(entry).kind == kind && std::find(items.begin(), items.end(), entry) == items.end())
      items.push_back(entry);
  }
  return items;
}

std::string ListOf(const std::vector<std::string>& words) {
  std::string list;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0)
      list += Fill(i + 1 == words.size() ? Text::kListOr : Text::kListComma);
    list += words[i];
  }
  return list;
}

void MoveItemOfKind(World& world, std::string_view kind, ItemVerb verb) {
  const bool take = verb == ItemVerb::kTake;
  const std::vector<ItemId> items = ItemsOfKind(take ? world.Here().items : world.inventory, kind);
  if (items.size() == 1) {
    MoveItem(world, items[0], verb);
    return;
  }
  // In the style of the item messages, which name no item here.
  if (items.empty()) {
    Say(take ? Text::kNotHere : Text::kNotCarried, {kind});
    return;
  }
  AskWhichItem(kind, items);
}

void TakeKinds(World& world, const std::vector<std::string_view>& kinds) {
  const std::vector<ItemId> lying = world.Here().items;
  std::vector<ItemId> chosen;
  for (std::string_view kind : kinds) {
    const std::vector<ItemId> items = ItemsOfKind(lying, kind);
    if (items.size() == 1)
      chosen.push_back(items[0]);
  }
  for (ItemId entry : lying) {
    const auto found = std::find(chosen.begin(), chosen.end(), entry);
    if (found == chosen.end())
      continue;
    MoveItem(world, entry, ItemVerb::kTake);
    chosen.erase(found);
  }
  for (std::string_view kind : kinds) {
    const std::vector<ItemId> items = ItemsOfKind(lying, kind);
    if (items.empty())
      Say(Text::kNotHere, {kind});
    else if (items.size() > 1)
      AskWhichItem(kind, items);
  }
}

void AskWhichItem(std::string_view kind, const std::vector<ItemId>& items) {
  std::vector<std::string> names;
  for (ItemId item : items)
    names.push_back(Fill(Text::kTheItem, {DataOf(item).name}));
  Say(Text::kWhichItem, {kind, ListOf(names)});
}

namespace {

// The first word of an item's name, lowercased: "red" for the Red Stone.
std::string FirstWordOf(ItemId item) {
  std::string word;
  for (const char* c = DataOf(item).name; *c != '\0' && *c != ' '; ++c)
    word += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  return word;
}

}  // namespace

std::vector<ItemId> ItemsNamedIn(std::string_view line) {
  std::vector<ItemId> items;
  std::string word;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const unsigned char c = i < line.size() ? static_cast<unsigned char>(line[i]) : ' ';
    if (std::isalpha(c) != 0) {
      word += static_cast<char>(std::tolower(c));
      continue;
    }
    for (std::size_t n = 0; n < kItemCount && !word.empty(); ++n) {
      const auto item = static_cast<ItemId>(n);
      if (FirstWordOf(item) == word && std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
    }
    word.clear();
  }
  return items;
}
