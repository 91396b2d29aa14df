#include "game/rules.h"

#include <algorithm>

#include "game/room_table.h"

void ScanInventory(const World& world, StoryFlags& flags, const RoomScript& room) {
  for (ItemId entry : world.inventory) {
    if (std::find(room.scans.begin(), room.scans.end(), entry) != room.scans.end())
      Has(flags, entry) = true;
  }
}

bool Sees(const World& world, const StoryFlags& flags, const RoomScript& room, ItemId item) {
  return Has(flags, item) ||
         (Carries(world, item) &&
          std::find(room.scans.begin(), room.scans.end(), item) != room.scans.end());
}

bool Opens(const World& world, const StoryFlags& flags, const RoomScript& room, Direction way) {
  const Guard* guard = room.guards[IndexOf(way)];
  return guard == nullptr || std::all_of(guard->keys.begin(), guard->keys.end(),
                                         [&](ItemId key) { return Sees(world, flags, room, key); });
}

Reaches ReachNow(const World& world, const StoryFlags& flags, RoomId from) {
  return ReachFrom(world, from, [&](RoomId room, Direction way) {
    const RoomScript* script = ScriptOf(room);
    return script != nullptr && Opens(world, flags, *script, way);  // the final scene has no turns
  });
}

Reaches ReachOnMap(const World& world, RoomId from) {
  return ReachFrom(world, from, [](RoomId, Direction) { return true; });
}
