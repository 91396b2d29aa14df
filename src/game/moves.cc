#include "game/moves.h"

#include "game/rules.h"
#include "text/console.h"

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
