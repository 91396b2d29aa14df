#ifndef PRISMORA_GAME_ROOM_TURN_H_
#define PRISMORA_GAME_ROOM_TURN_H_

#include <initializer_list>

#include "game/game.h"

// The steps every room's turn is made of. Each room script strings them together in its own
// order and adds what is its own.

// Clears the screen and prints the heading, then the first-visit text the first time (setting
// `visited`) or the return text after that. Returns true if it was the first visit.
bool ShowArrival(Game& game, bool& visited);

// ShowArrival, only when the room is not already on screen; then marks it shown.
void ShowRoomIfNew(Game& game, bool& shown, bool& visited);

// Prints the prompt and reads PlayerInput. Returns false when input has ended.
bool PromptAndRead(Game& game);

// Sets inputNumber from PlayerInput.
void MatchInput(Game& game);

// PromptAndRead then MatchInput, for rooms that do nothing in between.
bool PromptReadAndMatch(Game& game);

// Walks through the given exit of the current room and takes the player's screen with them.
void Leave(Game& game, Room* Room::*exit, bool& shown);

void Look(const Game& game);

// Inventory listing (240-250) or item action (112-238). Returns false if the code is neither.
bool HandleInventoryCodes(Game& game);

// Puts the item into the current room, once per game.
void SeedItem(Game& game, const char* item, bool& seeded);

// For each inventory entry, first to last, sets the flag of every target whose item it is.
struct ScanTarget {
  const char* item;
  bool* flag;
};
void ScanInventory(const World& world, std::initializer_list<ScanTarget> targets);

// A room hands an item straight to the player: its own line, then the indented notice.
void GiveItem(Game& game, const char* line, const char* item);

#endif  // PRISMORA_GAME_ROOM_TURN_H_
