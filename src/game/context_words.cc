#include "game/context_words.h"

#include <cstdint>
#include <iostream>
#include <string>

#include "game/console.h"
#include "game/context_texts.h"
#include "game/places.h"
#include "game/room_script.h"
#include "input/response_codes.h"
#include "items/item_actions.h"
#include "items/item_names.h"
#include "items/items_by_kind.h"

namespace {

// The final room has no turn and so no visited flag: it stays unseen.
bool Seen(const Game& game, const Room* room) {
  const char* id = RoomIdOf(game.world, room);
  for (const RoomScript& script : kRoomScripts) {
    if (id != nullptr && id == std::string(script.id))
      return game.flags.*script.visited;
  }
  return false;
}

// "north", "north or west", "north, south or west"
std::string ListOfWays(const std::vector<std::size_t>& ways) {
  std::string list;
  for (std::size_t i = 0; i < ways.size(); ++i) {
    if (i > 0)
      list += i + 1 == ways.size() ? " or " : ", ";
    list += context_text::kWayNames[ways[i]];
  }
  return list;
}

// Through a way out, or what keeps the player from walking there in one step.
ContextAnswer GoTo(Game& game, const Place& place) {
  const PlaceRoute route = RouteTo(game.world, place);
  switch (route.route) {
    case Route::kThrough:
      return {true, route.ways[0]};
    case Route::kHere:
      std::cout << context_text::kAlreadyThere << place.at << "." << std::endl;
      break;
    case Route::kSeveral:
      std::cout << context_text::kWhichWay << ListOfWays(route.ways) << "?" << std::endl;
      break;
    case Route::kFar:
      if (!route.ways.empty()) {
        std::cout << context_text::kNotNextToHere << place.to << context_text::kWayThereStarts
                  << context_text::kWayNames[route.ways[0]] << "." << std::endl;
      }
      ShowWaysOut(game);
      break;
  }
  return {true, std::nullopt};
}

}  // namespace

void ShowWaysOut(const Game& game) {
  Say(context_text::kWaysOutHeading);
  for (std::size_t way = 0; way < kWayCount; ++way) {
    const Room* to = game.world.location->*kWayExits[way];
    if (to == nullptr)
      continue;
    std::cout << context_text::kWayIndent << context_text::kWayNames[way] << ": "
              << (Seen(game, to) ? DisplayNameOf(RoomIdOf(game.world, to))
                                 : context_text::kUnseenRoom)
              << std::endl;
  }
}

ContextAnswer AnswerInContext(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (const Place* place = FindPlace(c))
    return GoTo(game, *place);
  if (code::kWaysOut.Holds(c)) {
    ShowWaysOut(game);
  } else if (code::kUseStones.Holds(c)) {
    // Rooms with a light have taken these words already.
    Say(context_text::kNothingForStones);
  } else if (code::kTakeKeyByKind.Holds(c)) {
    MoveItemOfKind(game.world, "key", ItemVerb::kTake);
  } else if (code::kTakeStoneByKind.Holds(c)) {
    MoveItemOfKind(game.world, "stone", ItemVerb::kTake);
  } else if (code::kDropKeyByKind.Holds(c)) {
    MoveItemOfKind(game.world, "key", ItemVerb::kDrop);
  } else if (code::kDropStoneByKind.Holds(c)) {
    MoveItemOfKind(game.world, "stone", ItemVerb::kDrop);
  } else if (code::kTakeRedStoneHere.Holds(c)) {
    MoveItem(game.world, item::kRedStone, ItemVerb::kTake);
  } else {
    return {};
  }
  return {true, std::nullopt};
}
