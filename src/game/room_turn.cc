#include "game/room_turn.h"

#include <cstdint>

#include "game/context_words.h"
#include "game/help_guide.h"
#include "game/hints.h"
#include "game/rules.h"
#include "game/sights.h"
#include "game/undo.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_actions.h"
#include "save/save_commands.h"
#include "text/console.h"

namespace {

void SayAll(const std::vector<Text>& texts) {
  for (Text text : texts)
    Say(text);
}

// The heading, then the first-visit text once and the return text after that, each with the
// room's own additions; nothing while the room is still on screen.
void ShowEntry(Game& game, const RoomScript& room) {
  StoryFlags& flags = game.flags;
  const Room& here = game.world.Here();
  if (room.interlude != nullptr && flags.*room.interlude) {
    // Not marked shown: the room itself is shown on the turn after.
    ClearScreen();
    here.PrintName();
    Say(*room.interludeText);
  } else if (!Shown(flags, room.id) && !Visited(flags, room.id)) {
    ClearScreen();
    here.PrintName();
    here.PrintDescription();
    SayAll(room.firstVisitTexts);
    if (room.firstVisitSets != nullptr)
      flags.*room.firstVisitSets = true;
    Visited(flags, room.id) = true;
    Shown(flags, room.id) = true;
  } else if (!Shown(flags, room.id)) {
    ShowRoom(game, room, true);
  }
  if (room.interlude != nullptr)
    flags.*room.interlude = false;
  if (game.afterEntry) {
    Say(*game.afterEntry);
    game.afterEntry.reset();
  }
}

// Puts the room's items down once per game.
void SeedItems(Game& game, const RoomScript& room) {
  bool& seeded = game.flags.seeded[static_cast<std::size_t>(room.id)];
  if (seeded)
    return;
  for (ItemId item : room.seeds)
    game.world.Here().items.push_back(item);
  seeded = true;
}

// Through the way, if the map gives one and its guard lets the player pass.
void TryWay(Game& game, const RoomScript& room, Direction way) {
  const std::optional<RoomId> to = game.world.Here().Way(way);
  const Guard* guard = room.guards[IndexOf(way)];
  if (!to) {
    if (room.blocked)
      Say(*room.blocked);
  } else if (!Opens(game.world, game.flags, room, way)) {
    if (guard->tried != nullptr && !(game.flags.*guard->tried)) {
      Say(*guard->firstRefusal);
      game.flags.*guard->tried = true;
    } else {
      Say(guard->refusal);
    }
  } else {
    game.world.location = *to;
    Shown(game.flags, room.id) = false;
  }
}

// The light's codes; false when the code is none of them.
bool ReactAtLight(Game& game, const ColourLight& light) {
  const std::int32_t c = game.inputNumber;
  const bool bothStones = Has(game.flags, light.stone1) && Has(game.flags, light.stone2);
  if (light.examineCode.Holds(c)) {
    LookAtLight(game, light);
  } else if (code::kOneStone.Holds(c)) {
    Say(Text::kOneStoneAlone);
  } else if (light.stonesCode.Holds(c) || code::kUseStones.Holds(c)) {
    if (bothStones) {
      GiveItem(game, light.stonesText, light.key);
    } else {
      Say(Text::kStonesMissing);
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

// Words the game took on beyond the story's own: said at the yard's one-time screen, their
// answer comes below the yard itself, which would otherwise clear it away on the next turn.
bool ShowsRoomFirst(std::int32_t c) {
  return code::kHint.Holds(c) || code::kSave.Holds(c) || code::kScore.Holds(c) ||
         code::kGoBack.Holds(c) || code::kLeave.Holds(c) || code::kOpenDoor.Holds(c) ||
         code::kOneStone.Holds(c) || IsLookAt(c);
}

void React(Game& game, const RoomScript& room) {
  for (const CodeAlias& alias : room.aliases) {
    if (alias.words.Holds(game.inputNumber))
      game.inputNumber = alias.code.first;
  }
  const std::int32_t c = game.inputNumber;
  if (ShowsRoomFirst(c) && !Shown(game.flags, room.id))
    ShowRoom(game, room, true);
  if (const std::optional<Direction> way = DirectionOfCode(c)) {
    TryWay(game, room, *way);
  } else if (code::kLook.Holds(c)) {
    game.world.Here().PrintReturnText();
    if (room.afterLook)
      Say(*room.afterLook);
  } else if (code::kInventory.Holds(c)) {
    ShowInventory(game.world);
  } else if (code::kItemAction.Holds(c)) {
    HandleItemAction(game.world, game.inputNumber);
  } else if (code::kHelp.Holds(c)) {
    ShowHelpGuide();
  } else if (code::kHint.Holds(c)) {
    GiveHint(game, true);
  } else if (code::kSave.Holds(c)) {
    SaveGame(game);
  } else if (code::kScore.Holds(c)) {
    Say(Text::kNoScore);
  } else if (room.light != nullptr && ReactAtLight(game, *room.light)) {
    // the light has answered
  } else if (LookCloser(game, room)) {
    // a closer look has answered
  } else if (const ContextAnswer answer = AnswerInContext(game); answer.handled) {
    if (answer.way)
      TryWay(game, room, *answer.way);
  } else if (room.ownCodes != nullptr) {
    room.ownCodes(game);
  }
}

}  // namespace

void PlayRoomTurn(Game& game, const RoomScript& room) {
  const Moment start = MomentOf(game);
  ShowEntry(game, room);
  Say(Text::kPrompt);
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.inputEnded = true;
    return;
  }
  if (room.seedsBeforeMatching)
    SeedItems(game, room);
  game.inputNumber = MatchResponse(game.PlayerInput);
  if (!RepeatIfAgain(game))
    return;
  if (code::kUndo.Holds(game.inputNumber)) {
    UndoLastMove(game);
    return;
  }
  // Like undo, these replace the whole game, the way back included: no move of this turn.
  if (code::kRestore.Holds(game.inputNumber)) {
    RestoreGame(game, &start);
    return;
  }
  if (code::kRestart.Holds(game.inputNumber)) {
    AskToRestart(game);
    return;
  }
  if (!room.seedsBeforeMatching)
    SeedItems(game, room);
  ScanInventory(game.world, game.flags, room);
  // Only a reaction that changes the story is a move to take back; the moment kept is the one
  // before the turn, so undo shows the room again as the player found it.
  const Moment beforeReaction = MomentOf(game);
  React(game, room);
  if (!SameStory(beforeReaction, MomentOf(game)))
    game.undo.push_back(start);
  if (game.world.location != room.id)
    game.cameFrom = room.id;
}

bool RepeatIfAgain(Game& game) {
  if (code::kAgain.Holds(game.inputNumber)) {
    if (!game.lastLine) {
      Say(Text::kNothingToRepeat);
      return false;
    }
    game.PlayerInput = *game.lastLine;
    game.inputNumber = MatchResponse(game.PlayerInput);
  }
  game.lastLine = game.PlayerInput;
  return true;
}

void ShowRoom(Game& game, const RoomScript& room, bool clear) {
  if (clear)
    ClearScreen();
  const Room& here = game.world.At(room.id);
  here.PrintName();
  here.PrintReturnText();
  if (room.returnNote && !Has(game.flags, *room.returnNoteUntilHas))
    Say(*room.returnNote);
  Shown(game.flags, room.id) = true;
}

void LookAtLight(const Game& game, const ColourLight& light) {
  Say(*light.examineText);
  if (Has(game.flags, light.stone1) && Has(game.flags, light.stone2))
    Say(*light.examineStonesHint);
}

void GiveItem(Game& game, Text line, ItemId item) {
  Say(line);
  Say(Text::kGiven, {DataOf(item).name});
  game.world.inventory.push_back(item);
}
