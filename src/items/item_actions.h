#ifndef PRISMORA_ITEMS_ITEM_ACTIONS_H_
#define PRISMORA_ITEMS_ITEM_ACTIONS_H_

#include <cstdint>

#include "input/response_codes.h"
#include "world/world.h"

enum class ItemVerb { kTake, kDrop };

// Every portable item: its name, its kind (the word a player may name it by alone) and the codes
// that take and drop it. Adding an item is one row here, its name, its kind, its two code ranges
// and its phrasings in the response file.
struct ItemRow {
  const char* name;
  const char* kind;
  CodeRange take;
  CodeRange drop;
};

extern const ItemRow kItems[8];

// What a code asks to do with which item; `item` is null for a code that selects none (such as
// the codes between the ranges).
struct ItemAction {
  const char* item = nullptr;
  ItemVerb verb = ItemVerb::kTake;
};
ItemAction FindItemAction(std::int32_t code);

// Take moves the first matching entry from the room the player stands in to the end of the
// inventory; drop moves it back. Prints one line either way; a code that selects no row does
// nothing at all.
void HandleItemAction(World& world, const std::int32_t& inputNumber);

// The same for one named item, whatever the code.
void MoveItem(World& world, const char* item, ItemVerb verb);

// The heading, then each carried item on its own line with an empty line above it.
void ShowInventory(const World& world);

#endif  // PRISMORA_ITEMS_ITEM_ACTIONS_H_
