#include "game/context_words.h"

#include <cstdint>
#include <string>
#include <vector>

#include "game/places.h"
#include "game/room_script.h"
#include "input/response_codes.h"
#include "items/item_actions.h"
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

// Through a way out, or what keeps the player from walking there in one step.
ContextAnswer GoTo(Game& game, const Place& place) {
  const PlaceRoute route = RouteTo(game.world, place);
  switch (route.route) {
    case Route::kThrough:
      return {true, route.ways[0]};
    case Route::kHere:
      Say(Text::kAlreadyThere, {Fill(place.at)});
      break;
    case Route::kSeveral:
      AskWhichWay(route.ways);
      break;
    case Route::kFar:
      if (!route.ways.empty())
        Say(Text::kNotNextToHere, {Fill(place.to), Fill(DataOf(route.ways[0]).name)});
      ShowWaysOut(game);
      break;
  }
  return {true, std::nullopt};
}

// The way out that leads to the room the player came from: the same way back, locks and all.
ContextAnswer GoBack(const Game& game) {
  if (game.cameFrom) {
    for (Direction way : kDirections) {
      if (game.world.Here().Way(way) == game.cameFrom)
        return {true, way};
    }
  }
  Say(Text::kNoWayBack);
  return {true, std::nullopt};
}

// The one way out, or which of them.
ContextAnswer Leave(const Game& game) {
  std::vector<Direction> ways;
  for (Direction way : kDirections) {
    if (game.world.Here().Way(way))
      ways.push_back(way);
  }
  if (ways.size() == 1)
    return {true, ways[0]};
  AskWhichWay(ways);
  return {true, std::nullopt};
}

// A door, a lock or a key: the room's guarded way, tried as walking through it would.
ContextAnswer OpenDoor(const Game& game) {
  const RoomScript* room = ScriptOf(game.world.location);
  for (Direction way : kDirections) {
    if (room != nullptr && room->guards[IndexOf(way)] != nullptr)
      return {true, way};
  }
  Say(Text::kNoLockHere);
  return {true, std::nullopt};
}

}  // namespace

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

ContextAnswer AnswerInContext(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (const Place* place = FindPlace(c))
    return GoTo(game, *place);
  if (code::kGoBack.Holds(c))
    return GoBack(game);
  if (code::kLeave.Holds(c))
    return Leave(game);
  if (code::kOpenDoor.Holds(c))
    return OpenDoor(game);
  if (code::kWaysOut.Holds(c)) {
    ShowWaysOut(game);
  } else if (code::kUseStones.Holds(c) || code::kOneStone.Holds(c)) {
    // Rooms with a light have taken these words already.
    Say(Text::kNothingForStones);
  } else if (code::kTakeKeyByKind.Holds(c)) {
    MoveItemOfKind(game.world, "key", ItemVerb::kTake);
  } else if (code::kTakeStoneByKind.Holds(c)) {
    MoveItemOfKind(game.world, "stone", ItemVerb::kTake);
  } else if (code::kDropKeyByKind.Holds(c)) {
    MoveItemOfKind(game.world, "key", ItemVerb::kDrop);
  } else if (code::kDropStoneByKind.Holds(c)) {
    MoveItemOfKind(game.world, "stone", ItemVerb::kDrop);
  } else if (code::kTakeRedStoneHere.Holds(c)) {
    MoveItem(game.world, ItemId::kRedStone, ItemVerb::kTake);
  } else {
    return {};
  }
  return {true, std::nullopt};
}
