#ifndef PRISMORA_ITEMS_ITEM_ACTIONS_H_
#define PRISMORA_ITEMS_ITEM_ACTIONS_H_

#include <cstdint>
#include <optional>

#include "story_data.h"
#include "world/world.h"

enum class ItemVerb { kTake, kDrop };

// What a code asks to do with which item (each item's take and drop codes are in the story's
// data); none for a code that selects no item, such as the codes between the ranges.
struct ItemAction {
  ItemId item;
  ItemVerb verb;
};
std::optional<ItemAction> FindItemAction(std::int32_t code);

// Take moves the first matching entry from the room the player stands in to the end of the
// inventory; drop moves it back. Prints one line either way; a code that selects no item does
// nothing at all.
void HandleItemAction(World& world, const std::int32_t& inputNumber);

// The same for one named item, whatever the code.
void MoveItem(World& world, ItemId item, ItemVerb verb);

// The heading, then each carried item on its own line with an empty line above it.
void ShowInventory(const World& world);

#endif  // PRISMORA_ITEMS_ITEM_ACTIONS_H_
