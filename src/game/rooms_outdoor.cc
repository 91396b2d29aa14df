// The grounds outside the cabin: the mountain path and the party, the yard with its gate, the
// worn path with the graveyard and the food shed, and the cliffside path.
#include <cstdint>

#include "game/console.h"
#include "game/room_turn.h"
#include "game/rooms.h"
#include "game/story_texts.h"
#include "input/response_codes.h"
#include "items/item_names.h"

void SnowyPathTurn(Game& game) {
  StoryFlags& flags = game.flags;
  if (!flags.snowyPathShown) {
    if (ShowArrival(game, flags.snowyPathVisited)) {
      Say(text::kPathArrival);
      Say(text::kBlotArrival);
    }
    flags.snowyPathShown = true;
  }
  if (!PromptReadAndMatch(game))
    return;

  const std::int32_t c = game.inputNumber;
  if (code::kLook.Holds(c)) {
    Look(game);
  } else if (code::kNorth.Holds(c)) {
    Leave(game, &Room::north, flags.snowyPathShown);
  } else if (code::kEast.Holds(c) || code::kSouth.Holds(c) || code::kWest.Holds(c)) {
    Say(text::kPathBlocked);
  } else if (code::kTalkBlot.Holds(c)) {
    // Blot talks once; the screen clears either way, but the room is not shown again.
    ClearScreen();
    Say(text::kTalkBlotHeading);
    if (flags.blotTalked) {
      Say(text::kBlotRefuses);
    } else {
      for (const char* line : text::kBlotTalk)
        Say(line);
      flags.blotTalked = true;
    }
  } else if (code::kTalkCerule.Holds(c)) {
    Say(text::kTalkCerule);
  } else if (code::kTalkScarlett.Holds(c)) {
    Say(text::kTalkScarlett);
  } else if (code::kTalkJester.Holds(c)) {
    Say(text::kTalkJester);
  } else {
    HandleInventoryCodes(game);
  }
}

namespace {

// North from the yard: through the gate once all three keys have been seen in a yard turn.
void TryGate(Game& game) {
  StoryFlags& flags = game.flags;
  if (flags.hasOrangeKey && flags.hasGreenKey && flags.hasPurpleKey) {
    Leave(game, &Room::north, flags.snowyYardShown);
  } else if (flags.gateInspected) {
    Say(text::kGateReminder);
  } else {
    for (const char* line : text::kGateScene)
      Say(line);
    flags.gateInspected = true;
  }
}

}  // namespace

void SnowyYardTurn(Game& game) {
  StoryFlags& flags = game.flags;
  if (flags.headOutsidePending) {
    // Shown once, after the living room's first visit; the yard itself is shown next turn.
    ClearScreen();
    game.world.location->PrintName();
    Say(text::kHeadOutside);
  } else if (!flags.snowyYardShown) {
    ShowArrival(game, flags.snowyYardVisited);
    flags.snowyYardShown = true;
  }
  flags.headOutsidePending = false;

  if (!PromptReadAndMatch(game))
    return;
  ScanInventory(game.world, {{item::kOrangeKey, &flags.hasOrangeKey},
                             {item::kGreenKey, &flags.hasGreenKey},
                             {item::kPurpleKey, &flags.hasPurpleKey}});

  const std::int32_t c = game.inputNumber;
  if (code::kSouth.Holds(c)) {
    Leave(game, &Room::south, flags.snowyYardShown);
  } else if (code::kEast.Holds(c)) {
    Leave(game, &Room::east, flags.snowyYardShown);
  } else if (code::kWest.Holds(c)) {
    Leave(game, &Room::west, flags.snowyYardShown);
  } else if (code::kNorth.Holds(c)) {
    TryGate(game);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else {
    HandleInventoryCodes(game);
  }
}

void WornPathTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.wornPathShown, flags.wornPathVisited);
  if (!PromptReadAndMatch(game))
    return;
  ScanInventory(game.world, {{item::kShedKey, &flags.hasShedKey}});

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Leave(game, &Room::north, flags.wornPathShown);
  } else if (code::kEast.Holds(c)) {
    Leave(game, &Room::east, flags.wornPathShown);
  } else if (code::kSouth.Holds(c)) {
    Say(text::kFence);
  } else if (code::kWest.Holds(c)) {
    // The shed stays open once the key has been carried here, even if it was dropped since.
    if (flags.hasShedKey) {
      Leave(game, &Room::west, flags.wornPathShown);
    } else {
      Say(text::kShedLocked);
    }
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else {
    HandleInventoryCodes(game);
  }
}

void GraveyardTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.graveyardShown, flags.graveyardVisited);
  if (!PromptReadAndMatch(game))
    return;
  ScanInventory(game.world,
                {{item::kRedStone, &flags.hasRedStone}, {item::kBlueStone, &flags.hasBlueStone}});

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c) || code::kEast.Holds(c)) {
    Say(text::kFence);
  } else if (code::kSouth.Holds(c)) {
    Leave(game, &Room::south, flags.graveyardShown);
  } else if (code::kWest.Holds(c)) {
    Say(text::kFence);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else if (HandleInventoryCodes(game)) {
    // the turn ends with the item action
  } else if (code::kPurpleLightStones.Holds(c)) {
    if (flags.hasRedStone && flags.hasBlueStone) {
      GiveItem(game, text::kPurpleStones, item::kPurpleKey);
    } else {
      Say(text::kStonesMissing);
    }
  } else if (code::kPurpleLightMagic.Holds(c)) {
    GiveItem(game, text::kPurpleMagic, item::kPurpleKey);
  } else if (code::kJesterMagic.Holds(c)) {
    GiveItem(game, text::kPurpleJester, item::kPurpleKey);
  }
}

void FoodShedTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.foodShedShown, flags.foodShedVisited);
  if (!PromptReadAndMatch(game))
    return;
  ScanInventory(game.world, {{item::kYellowStone, &flags.hasYellowStone},
                             {item::kBlueStone, &flags.hasBlueStone}});

  // Only east leads out, although the shed's texts put its door in the west.
  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Say(text::kFence);
  } else if (code::kEast.Holds(c)) {
    Leave(game, &Room::east, flags.foodShedShown);
  } else if (code::kSouth.Holds(c) || code::kWest.Holds(c)) {
    Say(text::kFence);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else if (HandleInventoryCodes(game)) {
    // the turn ends with the item action
  } else if (code::kGreenLightStones.Holds(c)) {
    if (flags.hasYellowStone && flags.hasBlueStone) {
      GiveItem(game, text::kGreenStones, item::kGreenKey);
    } else {
      Say(text::kStonesMissing);
    }
  } else if (code::kGreenLightMagic.Holds(c)) {
    GiveItem(game, text::kGreenMagic, item::kGreenKey);
  } else if (code::kJesterMagic.Holds(c)) {
    GiveItem(game, text::kGreenJester, item::kGreenKey);
  }
}

void CliffsidePathTurn(Game& game) {
  StoryFlags& flags = game.flags;
  ShowRoomIfNew(game, flags.cliffsidePathShown, flags.cliffsidePathVisited);
  if (!PromptReadAndMatch(game))
    return;

  const std::int32_t c = game.inputNumber;
  if (code::kNorth.Holds(c)) {
    Leave(game, &Room::north, flags.cliffsidePathShown);  // into the final scene
  } else if (code::kEast.Holds(c)) {
    Say(text::kCliff);
  } else if (code::kSouth.Holds(c)) {
    Leave(game, &Room::south, flags.cliffsidePathShown);
  } else if (code::kWest.Holds(c)) {
    Say(text::kCliff);
  } else if (code::kLook.Holds(c)) {
    Look(game);
  } else {
    HandleInventoryCodes(game);
  }
}
