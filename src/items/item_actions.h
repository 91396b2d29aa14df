#ifndef PRISMORA_ITEMS_ITEM_ACTIONS_H_
#define PRISMORA_ITEMS_ITEM_ACTIONS_H_

#include <cstdint>
#include <optional>

#include "story_data.h"
#include "world/world.h"

enum class ItemVerb { kTake, kDrop };

// Take moves the first matching entry from the room the player stands in to the end of the
// inventory; drop moves it back. Prints one line either way.
void MoveItem(World& world, ItemId item, ItemVerb verb);

// Every item lying here taken (or every one carried dropped), one at a time in the list's order,
// each with its own line; when there is none, one line says so.
void MoveAll(World& world, ItemVerb verb);

// The heading, then each carried item on its own line with an empty line above it.
void ShowInventory(const World& world);

#endif  // PRISMORA_ITEMS_ITEM_ACTIONS_H_
