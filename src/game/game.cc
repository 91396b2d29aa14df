#include "game/game.h"

#include "game/console.h"
#include "game/help_guide.h"
#include "game/hints.h"
#include "game/room_script.h"
#include "game/room_turn.h"
#include "game/story_texts.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "term/terminal.h"

namespace {

enum class TitleChoice { kStart, kQuit, kAgain };

// One showing of the title block and the line typed under it; input ending counts as quitting.
TitleChoice ShowTitleOnce(Game& game) {
  for (const char* line : text::kTitle)
    Say(line);
  for (;;) {
    if (!ReadLine(*game.input, game.PlayerInput))
      return TitleChoice::kQuit;
    game.inputNumber = MatchResponse(game.PlayerInput);
    if (code::kStart.Holds(game.inputNumber))
      return TitleChoice::kStart;
    if (code::kQuit.Holds(game.inputNumber))
      return TitleChoice::kQuit;
    // Help and hints go above the title block, which comes again as after any other line; at a
    // terminal the guide is left last on the screen, where the block would push it off.
    if (code::kHelp.Holds(game.inputNumber)) {
      ShowHelpGuide();
      if (AtTerminal())
        continue;
    } else if (code::kHint.Holds(game.inputNumber)) {
      GiveHint(game, true);
    }
    return TitleChoice::kAgain;
  }
}

}  // namespace

std::optional<int> PlayStep(Game& game, PlayPoint& point) {
  if (!point.passStarted) {
    if (game.flags.gameOver) {
      Say(text::kBannerRule);
      Say(text::kBannerThanks);
      return 0;
    }
    game.PlayerInput.clear();
    game.inputNumber = 0;
    point.passStarted = true;
    point.nextLoop = 0;
  }

  if (!game.flags.titleDone) {
    switch (ShowTitleOnce(game)) {
      case TitleChoice::kQuit:
        return 0;
      case TitleChoice::kStart:
        game.flags.titleDone = true;
        break;
      case TitleChoice::kAgain:
        break;
    }
    return std::nullopt;
  }

  // The dispatcher: the room loop whose identifier is currentRoom plays one turn; a room that
  // lies earlier in the table than the one just left waits for the next pass.
  for (; point.nextLoop < kRoomScripts.size(); ++point.nextLoop) {
    const RoomScript& room = kRoomScripts[point.nextLoop];
    if (game.currentRoom == room.id) {
      PlayRoomTurn(game, room);
      if (game.inputEnded)
        return 0;
      return std::nullopt;
    }
  }

  if (game.currentRoom == room_id::kFinalRoom) {
    ClearScreen();
    game.world.location->PrintName();
    game.world.location->PrintDescription();
    game.flags.gameOver = true;
  }
  point.passStarted = false;
  return std::nullopt;
}

int RunGame(LineReader& input) {
  Game game(input);
  PlayPoint point;
  for (;;) {
    if (const std::optional<int> status = PlayStep(game, point))
      return *status;
  }
}
