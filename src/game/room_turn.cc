#include "game/room_turn.h"

#include <cstdint>
#include <iostream>
#include <iterator>
#include <string>

#include "game/console.h"
#include "game/help_guide.h"
#include "game/hints.h"
#include "game/context_words.h"
#include "game/story_texts.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_actions.h"

namespace {

struct Way {
  CodeRange codes;
  Room* Room::*exit;
};

// In the order of RoomScript::guards.
constexpr Way kWays[] = {
    {code::kNorth, &Room::north},
    {code::kEast, &Room::east},
    {code::kSouth, &Room::south},
    {code::kWest, &Room::west},
};

void SayAll(Texts texts) {
  for (std::size_t i = 0; i < texts.count; ++i)
    Say(texts.lines[i]);
}

// The heading, then the first-visit text once and the return text after that, each with the
// room's own additions; nothing while the room is still on screen.
void ShowEntry(Game& game, const RoomScript& room) {
  StoryFlags& flags = game.flags;
  Room& here = *game.world.location;
  if (room.interlude != nullptr && flags.*room.interlude) {
    // Not marked shown: the room itself is shown on the turn after.
    ClearScreen();
    here.PrintName();
    Say(room.interludeText);
  } else if (!(flags.*room.shown)) {
    ClearScreen();
    here.PrintName();
    if (!(flags.*room.visited)) {
      here.PrintDescription();
      SayAll(room.firstVisitTexts);
      if (room.firstVisitSets != nullptr)
        flags.*room.firstVisitSets = true;
      flags.*room.visited = true;
    } else {
      here.PrintReturnText();
      if (room.returnNote != nullptr && !(flags.*room.returnNoteUntil))
        Say(room.returnNote);
    }
    flags.*room.shown = true;
  }
  if (room.interlude != nullptr)
    flags.*room.interlude = false;
}

// Puts each of the room's items down once per game.
void SeedItems(Game& game, const RoomScript& room) {
  for (const Seed& seed : room.seeds) {
    if (seed.item == nullptr || game.flags.*seed.seeded)
      continue;
    game.world.location->items.push_back(seed.item);
    game.flags.*seed.seeded = true;
  }
}

// For each inventory entry, first to last, sets the flag of every item the room looks for.
void ScanInventory(Game& game, const RoomScript& room) {
  for (const std::string& entry : game.world.inventory) {
    for (const Scan& scan : room.scans) {
      if (scan.item != nullptr && entry == scan.item)
        game.flags.*scan.has = true;
    }
  }
}

bool Opens(const Guard& guard, const StoryFlags& flags) {
  for (Flag key : guard.keys) {
    if (key != nullptr && !(flags.*key))
      return false;
  }
  return true;
}

// Through the way, if the map gives one and its guard lets the player pass.
void TryWay(Game& game, const RoomScript& room, std::size_t direction) {
  Room* to = game.world.location->*kWays[direction].exit;
  const Guard* guard = room.guards[direction];
  if (to == nullptr) {
    Say(room.blocked);
  } else if (guard != nullptr && !Opens(*guard, game.flags)) {
    if (guard->tried != nullptr && !(game.flags.*guard->tried)) {
      SayAll(guard->firstRefusal);
      game.flags.*guard->tried = true;
    } else {
      Say(guard->refusal);
    }
  } else {
    game.world.location = to;
    game.currentRoom = RoomIdOf(game.world, to);
    game.flags.*room.shown = false;
  }
}

// The light's codes; false when the code is none of them.
bool ReactAtLight(Game& game, const ColourLight& light) {
  const std::int32_t c = game.inputNumber;
  const bool bothStones = game.flags.*light.stone1 && game.flags.*light.stone2;
  if (light.examineCode.Holds(c)) {
    SayAll(light.examineTexts);
    if (bothStones)
      Say(light.examineStonesHint);
  } else if (light.stonesCode.Holds(c) || code::kUseStones.Holds(c)) {
    if (bothStones) {
      GiveItem(game, light.stonesText, light.key);
    } else {
      Say(text::kStonesMissing);
    }
  } else if (light.magicCode.Holds(c)) {
    GiveItem(game, light.magicText, light.key);
  } else if (code::kJesterMagic.Holds(c)) {
    GiveItem(game, light.jesterText, light.key);
  } else {
    return false;
  }
  return true;
}

void React(Game& game, const RoomScript& room) {
  for (const CodeAlias& alias : room.aliases) {
    if (alias.words.Holds(game.inputNumber))
      game.inputNumber = alias.code.first;
  }
  const std::int32_t c = game.inputNumber;
  for (std::size_t direction = 0; direction < std::size(kWays); ++direction) {
    if (kWays[direction].codes.Holds(c)) {
      TryWay(game, room, direction);
      return;
    }
  }
  if (code::kLook.Holds(c)) {
    game.world.location->PrintReturnText();
    if (room.afterLook != nullptr)
      Say(room.afterLook);
  } else if (code::kInventory.Holds(c)) {
    ShowInventory(game.world);
  } else if (code::kItemAction.Holds(c)) {
    HandleItemAction(game.world, game.inputNumber);
  } else if (code::kHelp.Holds(c)) {
    ShowHelpGuide();
  } else if (code::kHint.Holds(c)) {
    // Not shown yet means the head-outside screen: the room clears it on the next turn.
    GiveHint(game, game.flags.*room.shown);
  } else if (room.light != nullptr && ReactAtLight(game, *room.light)) {
    // the light has answered
  } else if (const ContextAnswer answer = AnswerInContext(game); answer.handled) {
    if (answer.way)
      TryWay(game, room, *answer.way);
  } else if (room.ownCodes != nullptr) {
    room.ownCodes(game);
  }
}

}  // namespace

void PlayRoomTurn(Game& game, const RoomScript& room) {
  ShowEntry(game, room);
  Say(text::kPrompt);
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.inputEnded = true;
    return;
  }
  if (room.seedsBeforeMatching)
    SeedItems(game, room);
  game.inputNumber = MatchResponse(game.PlayerInput);
  if (!room.seedsBeforeMatching)
    SeedItems(game, room);
  ScanInventory(game, room);
  React(game, room);
}

void GiveItem(Game& game, const char* line, const char* item) {
  Say(line);
  std::cout << "\n     The " << item << " was added to your inventory." << std::endl;
  game.world.inventory.push_back(item);
}
