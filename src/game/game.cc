#include "game/game.h"

#include "game/help_guide.h"
#include "game/hints.h"
#include "game/room_script.h"
#include "game/room_turn.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "save/save_commands.h"
#include "term/terminal.h"
#include "text/console.h"

namespace {

enum class TitleChoice { kStart, kQuit, kAgain };

// One showing of the title block and the line typed under it; input ending counts as quitting.
TitleChoice ShowTitleOnce(Game& game) {
  Say(Text::kTitle);
  for (;;) {
    if (!ReadLine(*game.input, game.PlayerInput))
      return TitleChoice::kQuit;
    game.inputNumber = MatchResponse(game.PlayerInput);
    if (!RepeatIfAgain(game))
      return TitleChoice::kAgain;
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
    } else if (code::kUndo.Holds(game.inputNumber)) {
      Say(Text::kNothingToUndo);
    } else if (code::kSave.Holds(game.inputNumber)) {
      Say(Text::kNothingToSave);
    } else if (code::kRestore.Holds(game.inputNumber)) {
      RestoreGame(game, nullptr);  // in play from the next step when it is brought back
    } else if (code::kRestart.Holds(game.inputNumber)) {
      Say(Text::kNothingToRestart);
    } else if (code::kScore.Holds(game.inputNumber)) {
      Say(Text::kNoScore);
    }
    return TitleChoice::kAgain;
  }
}

}  // namespace

std::optional<int> PlayStep(Game& game, PlayPoint& point) {
  if (!point.passStarted) {
    if (game.flags.gameOver) {
      Say(Text::kBannerRule);
      Say(Text::kBannerThanks);
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

  // The dispatcher: the loop of the room the player stands in plays one turn; a room that lies
  // earlier in the table than the one just left waits for the next pass.
  for (; point.nextLoop < kRoomScripts.size(); ++point.nextLoop) {
    const RoomScript& room = kRoomScripts[point.nextLoop];
    if (game.world.location == room.id) {
      PlayRoomTurn(game, room);
      if (game.inputEnded)
        return 0;
      return std::nullopt;
    }
  }

  if (game.world.location == RoomId::kFinalRoom) {
    ClearScreen();
    game.world.Here().PrintName();
    game.world.Here().PrintDescription();
    game.flags.gameOver = true;
  }
  point.passStarted = false;
  return std::nullopt;
}

int RunGame(LineReader& input, SaveStore* saves) {
  Game game(input);
  game.saves = saves;
  PlayPoint point;
  for (;;) {
    if (const std::optional<int> status = PlayStep(game, point))
      return *status;
  }
}
