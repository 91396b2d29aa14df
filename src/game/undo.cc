#include "game/undo.h"

#include <cstring>
#include <type_traits>

#include "game/room_table.h"
#include "game/show.h"
#include "text/console.h"

static_assert(std::has_unique_object_representations_v<StoryFlags>,
              "StoryFlags is compared byte for byte");

Moment MomentOf(const Game& game) {
  return {game.world, game.flags, game.hintSituation, game.cameFrom};
}

void Restore(Game& game, const Moment& moment) {
  game.world = moment.world;
  game.flags = moment.flags;
  game.hintSituation = moment.hintSituation;
  game.cameFrom = moment.cameFrom;
}

bool SameStory(const Moment& a, const Moment& b) {
  if (a.world.location != b.world.location || a.world.inventory != b.world.inventory)
    return false;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (a.world.rooms[i].items != b.world.rooms[i].items)
      return false;
  }
  return std::memcmp(&a.flags, &b.flags, sizeof(StoryFlags)) == 0;
}

void UndoLastMove(Game& game) {
  if (game.undo.empty()) {
    Say(Text::kNothingToUndo);
    return;
  }
  Restore(game, game.undo.back());
  game.undo.pop_back();
  // A room not on screen at that moment is shown by the next turn, as on any arrival, on a clear
  // screen: the note waits until after it.
  if (Shown(game.flags, game.world.location)) {
    ShowRoom(game, *ScriptOf(game.world.location), false);
    Say(Text::kUndone);
  } else {
    game.afterEntry = Text::kUndone;
  }
}
