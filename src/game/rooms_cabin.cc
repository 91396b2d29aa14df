// Inside the cabin: the living room and kitchen with the first items, the hallway with the
// bedroom door, the bedroom with the red stone, and the basement with the orange light.
#include <cstdint>

#include "game/console.h"
#include "game/room_turn.h"
#include "game/rooms.h"
#include "game/story_texts.h"
#include "input/response_codes.h"
#include "items/item_names.h"

void LivingRoomTurn(Game& game) {
  StoryFlags& flags = game.flags;
  if (!flags.livingRoomShown) {
    if (ShowArrival(game, flags.livingRoomVisited)) {
      flags.headOutsidePending = true;  // the yard shows the head-outside screen next
    } else if (!flags.hasBlueStone) {
      // Until the stone has been carried to one of the lights outside.
      Say(text::kBlueStoneNoticed);
    }
    flags.livingRoomShown = true;
  }
  if (!PromptAndRead(game))
    return;
  SeedItem(game, item::kBlueStone, flags.blueStoneSeeded);
  MatchInput(game);

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Say(text::kLivingRoomWall);
  } else if (code::kEast.Holds(c)) {
    Leave(game, &Room::east, flags.livingRoomShown);
  } else if (code::kSouth.Holds(c)) {
    Leave(game, &Room::south, flags.livingRoomShown);
  } else if (code::kWest.Holds(c)) {
    Leave(game, &Room::west, flags.livingRoomShown);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else {
    HandleInventoryCodes(game);
  }
}

void KitchenTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.kitchenShown, flags.kitchenVisited);
  if (!PromptAndRead(game))
    return;
  SeedItem(game, item::kYellowStone, flags.yellowStoneSeeded);
  SeedItem(game, item::kBedroomKey, flags.bedroomKeySeeded);
  MatchInput(game);

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Leave(game, &Room::north, flags.kitchenShown);
  } else if (code::kEast.Holds(c) || code::kSouth.Holds(c) || code::kWest.Holds(c)) {
    Say(text::kWall);
  } else if (code::kLook.Holds(c)) {
    Look(game);
    Say(text::kCabinetHint);
  } else {
    HandleInventoryCodes(game);
  }
}

void HallwayTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.hallwayShown, flags.hallwayVisited);
  if (!PromptReadAndMatch(game))
    return;
  ScanInventory(game.world, {{item::kBedroomKey, &flags.hasBedroomKey}});

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Leave(game, &Room::north, flags.hallwayShown);
  } else if (code::kEast.Holds(c)) {
    // Once the key has been carried here the door stays open, wherever the key is now.
    if (flags.hasBedroomKey) {
      Leave(game, &Room::east, flags.hallwayShown);
    } else {
      Say(text::kBedroomLocked);
    }
  } else if (code::kSouth.Holds(c)) {
    Say(text::kWall);
  } else if (code::kWest.Holds(c)) {
    Leave(game, &Room::west, flags.hallwayShown);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else {
    HandleInventoryCodes(game);
  }
}

void BedroomTurn(Game& game) {
  StoryFlags& flags = game.flags;
  if (!flags.bedroomShown) {
    if (ShowArrival(game, flags.bedroomVisited))
      Say(text::kBedroomChoice);
    flags.bedroomShown = true;
  }
  if (!PromptReadAndMatch(game))
    return;

  // The stone on the nightstand is never in the room's items; it is handed over, every time.
  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c) || code::kEast.Holds(c) || code::kSouth.Holds(c)) {
    Say(text::kWall);
  } else if (code::kWest.Holds(c)) {
    Leave(game, &Room::west, flags.bedroomShown);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else if (HandleInventoryCodes(game)) {
    // the turn ends with the item action
  } else if (code::kTakeNightstandStone.Holds(c)) {
    GiveItem(game, text::kWakingScene, item::kRedStone);
    flags.hasRedStone = true;
  } else if (code::kSendForNightstandStone.Holds(c)) {
    GiveItem(game, text::kQuietGrab, item::kRedStone);
    flags.hasRedStone = true;
  }
}

void BasementTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.basementShown, flags.basementVisited);
  if (!PromptReadAndMatch(game))
    return;
  SeedItem(game, item::kShedKey, flags.shedKeySeeded);
  ScanInventory(game.world, {{item::kRedStone, &flags.hasRedStone},
                             {item::kYellowStone, &flags.hasYellowStone}});

  const bool bothStones = flags.hasRedStone && flags.hasYellowStone;
  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c) || code::kEast.Holds(c)) {
    Say(text::kWall);
  } else if (code::kSouth.Holds(c)) {
    Leave(game, &Room::south, flags.basementShown);
  } else if (code::kWest.Holds(c)) {
    Say(text::kWall);
  } else if (code::kLook.Holds(c)) {
    Look(game);
    Say(text::kKeyRingHint);
  } else if (HandleInventoryCodes(game)) {
    // the turn ends with the item action
  } else if (code::kExamineOrangeLight.Holds(c)) {
    for (const char* line : text::kOrangeLightLook)
      Say(line);
    if (bothStones)
      Say(text::kOrangeLightStonesHint);
  } else if (code::kOrangeLightStones.Holds(c)) {
    if (bothStones) {
      GiveItem(game, text::kOrangeStones, item::kOrangeKey);
    } else {
      Say(text::kStonesMissing);
    }
  } else if (code::kOrangeLightMagic.Holds(c)) {
    GiveItem(game, text::kOrangeMagic, item::kOrangeKey);
  } else if (code::kJesterMagic.Holds(c)) {
    GiveItem(game, text::kOrangeJester, item::kOrangeKey);
  }
}
