#include "game/room_turn.h"

#include <iostream>
#include <string>

#include "game/console.h"
#include "game/story_texts.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_actions.h"

bool ShowArrival(Game& game, bool& visited) {
  ClearScreen();
  game.world.location->PrintName();
  if (visited) {
    game.world.location->PrintReturnText();
    return false;
  }
  game.world.location->PrintDescription();
  visited = true;
  return true;
}

void ShowRoomIfNew(Game& game, bool& shown, bool& visited) {
  if (shown)
    return;
  ShowArrival(game, visited);
  shown = true;
}

bool PromptAndRead(Game& game) {
  Say(text::kPrompt);
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.inputEnded = true;
    return false;
  }
  return true;
}

void MatchInput(Game& game) {
  game.inputNumber = MatchResponse(game.PlayerInput);
}

bool PromptReadAndMatch(Game& game) {
  if (!PromptAndRead(game))
    return false;
  MatchInput(game);
  return true;
}

void Leave(Game& game, Room* Room::*exit, bool& shown) {
  game.world.location = game.world.location->*exit;
  game.currentRoom = RoomIdOf(game.world, game.world.location);
  shown = false;
}

void Look(const Game& game) {
  game.world.location->PrintReturnText();
}

bool HandleInventoryCodes(Game& game) {
  if (code::kInventory.Holds(game.inputNumber)) {
    ShowInventory(game.world);
    return true;
  }
  if (code::kItemAction.Holds(game.inputNumber)) {
    HandleItemAction(game.world, game.inputNumber);
    return true;
  }
  return false;
}

void SeedItem(Game& game, const char* item, bool& seeded) {
  if (seeded)
    return;
  game.world.location->items.push_back(item);
  seeded = true;
}

void ScanInventory(const World& world, std::initializer_list<ScanTarget> targets) {
  for (const std::string& entry : world.inventory) {
    for (const ScanTarget& target : targets) {
      if (entry == target.item)
        *target.flag = true;
    }
  }
}

void GiveItem(Game& game, const char* line, const char* item) {
  Say(line);
  std::cout << "\n     The " << item << " was added to your inventory." << std::endl;
  game.world.inventory.push_back(item);
}
