#include "game/game.h"

#include "game/console.h"
#include "game/rooms.h"
#include "game/story_texts.h"
#include "input/match_response.h"
#include "input/response_codes.h"

namespace {

using RoomTurnFn = void (*)(Game&);

struct RoomLoop {
  const char* id;
  RoomTurnFn turn;
};

// The order in which the dispatcher tries the rooms. A room earlier in the list than the one
// just left is reached on the next pass.
constexpr RoomLoop kRoomLoops[] = {
    {room_id::kSnowyPath, SnowyPathTurn},
    {room_id::kSnowyYard, SnowyYardTurn},
    {room_id::kLivingRoom, LivingRoomTurn},
    {room_id::kHallway, HallwayTurn},
    {room_id::kBasement, BasementTurn},
    {room_id::kBedroom, BedroomTurn},
    {room_id::kKitchen, KitchenTurn},
    {room_id::kWornPath, WornPathTurn},
    {room_id::kGraveyard, GraveyardTurn},
    {room_id::kFoodShed, FoodShedTurn},
    {room_id::kCliffsidePath, CliffsidePathTurn},
};

enum class TitleChoice { kStart, kQuit };

// Repeats the title block until a start or quit line; input ending counts as quitting.
TitleChoice RunTitleScreen(Game& game) {
  for (;;) {
    for (const char* line : text::kTitle)
      Say(line);
    if (!ReadLine(*game.input, game.PlayerInput))
      return TitleChoice::kQuit;
    game.inputNumber = MatchResponse(game.PlayerInput);
    if (code::kStart.Holds(game.inputNumber))
      return TitleChoice::kStart;
    if (code::kQuit.Holds(game.inputNumber))
      return TitleChoice::kQuit;
  }
}

}  // namespace

int RunGame(LineReader& input) {
  Game game(input);
  for (;;) {
    if (game.flags.gameOver) {
      Say(text::kBannerRule);
      Say(text::kBannerThanks);
      return 0;
    }
    game.PlayerInput.clear();
    game.inputNumber = 0;

    if (!game.flags.titleDone) {
      if (RunTitleScreen(game) == TitleChoice::kQuit)
        return 0;
      game.flags.titleDone = true;
    }

    for (const RoomLoop& loop : kRoomLoops) {
      while (game.currentRoom == loop.id) {
        loop.turn(game);
        if (game.inputEnded)
          return 0;
      }
    }

    if (game.currentRoom == room_id::kFinalRoom) {
      ClearScreen();
      game.world.location->PrintName();
      game.world.location->PrintDescription();
      game.flags.gameOver = true;
    }
  }
}
