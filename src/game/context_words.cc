#include "game/context_words.h"

#include <algorithm>
#include <string>
#include <vector>

#include "game/moves.h"
#include "game/places.h"
#include "game/rules.h"
#include "items/items_by_kind.h"
#include "text/console.h"

namespace {

// "Which way do you mean: east, south or west?"
void AskWhichWay(const std::vector<Direction>& ways) {
  std::vector<std::string> names;
  for (Direction way : ways)
    names.push_back(Fill(DataOf(way).name));
  Say(Text::kWhichWay, {ListOf(names)});
}

}  // namespace

void GoToPlace(Turn& turn) {
  const Place& place = *FindPlace(turn.game.inputNumber);
  const PlaceRoute route = RouteTo(turn.game.world, place);
  switch (route.route) {
    case Route::kThrough:
      TryWay(turn.game, *turn.room, route.ways[0]);
      break;
    case Route::kHere:
      Say(Text::kAlreadyThere, {Fill(place.at)});
      break;
    case Route::kSeveral:
      AskWhichWay(route.ways);
      break;
    case Route::kFar:
      if (!route.ways.empty())
        Say(Text::kNotNextToHere, {Fill(place.to), Fill(DataOf(route.ways[0]).name)});
      ShowWaysOut(turn.game);
      break;
  }
}

void GoBack(Turn& turn) {
  const Game& game = turn.game;
  if (game.cameFrom) {
    for (Direction way : kDirections) {
      if (game.world.Here().Way(way) == game.cameFrom) {
        TryWay(turn.game, *turn.room, way);
        return;
      }
    }
  }
  Say(Text::kNoWayBack);
}

void Leave(Turn& turn) {
  std::vector<Direction> ways;
  for (Direction way : kDirections) {
    if (turn.game.world.Here().Way(way))
      ways.push_back(way);
  }
  if (ways.size() == 1)
    TryWay(turn.game, *turn.room, ways[0]);
  else
    AskWhichWay(ways);
}

void OpenDoor(Turn& turn) {
  for (Direction way : kDirections) {
    if (turn.room->guards[IndexOf(way)] != nullptr) {
      TryWay(turn.game, *turn.room, way);
      return;
    }
  }
  Say(Text::kNoLockHere);
}

void UseKey(Turn& turn) {
  Game& game = turn.game;
  const ItemId key = *turn.row->item;
  const char* name = DataOf(key).name;
  for (Direction way : kDirections) {
    const Guard* guard = turn.room->guards[IndexOf(way)];
    if (guard == nullptr)
      continue;
    const bool wanted = std::find(guard->keys.begin(), guard->keys.end(), key) != guard->keys.end();
    // A way the key opened once stays open, as it does for the direction.
    if (wanted && (Carries(game.world, key) || Opens(game.world, game.flags, *turn.room, way)))
      TryWay(game, *turn.room, way);
    else if (!Carries(game.world, key))
      Say(Text::kNotCarried, {name});
    else
      Say(Text::kKeyDoesNotFit, {name});
    return;
  }
  Say(Text::kNoLockHere);
}

void ShowWaysOut(const Game& game) {
  Say(Text::kWaysOutHeading);
  for (Direction way : kDirections) {
    const std::optional<RoomId> to = game.world.Here().Way(way);
    if (!to)
      continue;
    // The final room has no turn and so is never visited: it stays unseen.
    Say(Text::kWayOut, {Fill(DataOf(way).name),
                        Visited(game.flags, *to) ? TextsOf(*to).place : Fill(Text::kUnseenRoom)});
  }
}
