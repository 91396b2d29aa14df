#ifndef PRISMORA_ITEMS_ITEMS_BY_KIND_H_
#define PRISMORA_ITEMS_ITEMS_BY_KIND_H_

#include <string>
#include <vector>

#include "items/item_actions.h"
#include "world/world.h"

// The distinct names of the items of one kind ("key", "stone") in a list, in the list's order.
std::vector<std::string> NamesOfKind(const std::vector<std::string>& list, const char* kind);

// An item named by its kind alone: taken from the room (or dropped from the inventory) exactly as
// naming it in full does when only one such item is there; when there are several, asks which
// and changes nothing; when there is none, says so.
void MoveItemOfKind(World& world, const char* kind, ItemVerb verb);

#endif  // PRISMORA_ITEMS_ITEMS_BY_KIND_H_
