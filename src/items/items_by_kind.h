#ifndef PRISMORA_ITEMS_ITEMS_BY_KIND_H_
#define PRISMORA_ITEMS_ITEMS_BY_KIND_H_

#include <string>
#include <string_view>
#include <vector>

#include "items/item_actions.h"
#include "world/world.h"

// The distinct items of one kind ("key", "stone") in a list, in the list's order.
std::vector<ItemId> ItemsOfKind(const std::vector<ItemId>& list, std::string_view kind);

// "a", "a or b", "a, b or c": the words of a list as the story writes one.
std::string ListOf(const std::vector<std::string>& words);

// Asks which of the items of that kind the player means, naming each.
void AskWhichItem(std::string_view kind, const std::vector<ItemId>& items);

// An item named by its kind alone: taken from the room (or dropped from the inventory) exactly as
// naming it in full does when only one such item is there; when there are several, asks which
// and changes nothing; when there is none, says so.
void MoveItemOfKind(World& world, std::string_view kind, ItemVerb verb);

// Several kinds named at once ("the key and the stone"): each kind that names one item here, as
// MoveItemOfKind would, taken in the order the room lists them; then, for each other kind, that
// none is here or which is meant.
void TakeKinds(World& world, const std::vector<std::string_view>& kinds);

// The items a line names in full ("the yellow stone and the bedroom key", "the red and blue
// stones"), each once, in the order named: a word that begins an item's name stands for that item,
// in any case (no two names begin with the same word).
std::vector<ItemId> ItemsNamedIn(std::string_view line);

#endif  // PRISMORA_ITEMS_ITEMS_BY_KIND_H_
