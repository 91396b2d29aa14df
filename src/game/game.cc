#include "game/game.h"

#include <string>
#include <vector>

#include "game/meanings.h"
#include "game/room_table.h"
#include "game/table_check.h"
#include "game/turn.h"
#include "text/console.h"

namespace {}  // namespace

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
    PlayTitleTurn(game);
    if (game.ended)
      return 0;
    return std::nullopt;
  }

  // The dispatcher: the loop of the room the player stands in plays one turn; a room that lies
  // earlier in the table than the one just left waits for the next pass.
  for (; point.nextLoop < kRoomScripts.size(); ++point.nextLoop) {
    const RoomScript& room = kRoomScripts[point.nextLoop];
    if (game.world.location == room.id) {
      PlayRoomTurn(game, room);
      if (game.ended)
        return 0;
      return std::nullopt;
    }
  }

  if (game.world.location == kEndRoom) {
    ClearScreen();
    game.world.Here().PrintName();
    game.world.Here().PrintDescription();
    game.flags.gameOver = true;
  } else if (ScriptOf(game.world.location) == nullptr) {
    // A room without turns that is not the end: no pass could ever read a line there.
    SayError(Text::kTableFault, {Fill(Text::kNoRoomRow, {TextsOf(game.world.location).place})});
    return kBrokenTable;
  }
  point.passStarted = false;
  return std::nullopt;
}

bool TableIsSound(const std::vector<Row>& shared, const std::vector<RoomScript>& rooms) {
  const std::vector<std::string> faults = CheckTable(shared, rooms, kEndRoom);
  for (const std::string& fault : faults)
    SayError(Text::kTableFault, {fault});
  return faults.empty();
}

int RunGame(LineReader& input, SaveStore* saves) {
  if (!TableIsSound(SharedRows(), kRoomScripts))
    return kBrokenTable;
  Game game(input);
  game.saves = saves;
  PlayPoint point;
  for (;;) {
    if (const std::optional<int> status = PlayStep(game, point))
      return *status;
  }
}
