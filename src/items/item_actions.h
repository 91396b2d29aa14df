#ifndef PRISMORA_ITEMS_ITEM_ACTIONS_H_
#define PRISMORA_ITEMS_ITEM_ACTIONS_H_

#include <cstdint>

#include "input/response_codes.h"
#include "world/world.h"

enum class ItemVerb { kTake, kDrop };

// One row of the item action table: a code range, the item it names, and what to do with it.
struct ItemActionRow {
  CodeRange codes;
  const char* item;
  ItemVerb verb;
};

constexpr int kItemActionRowCount = 16;

// In the order the rows are tested.
extern const ItemActionRow kItemActions[kItemActionRowCount];

// The row whose range holds the code, or nullptr (codes between the ranges select none).
const ItemActionRow* FindItemAction(std::int32_t code);

// Take moves the first matching entry from the room the player stands in to the end of the
// inventory; drop moves it back. Prints one line either way; a code that selects no row does
// nothing at all.
void HandleItemAction(World& world, const std::int32_t& inputNumber);

// The heading, then each carried item on its own line with an empty line above it.
void ShowInventory(const World& world);

#endif  // PRISMORA_ITEMS_ITEM_ACTIONS_H_
