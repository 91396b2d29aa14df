#include "world/world.h"

#include <algorithm>

World::World() {
  for (std::size_t i = 0; i < kRoomCount; ++i)
    rooms[i].id = static_cast<RoomId>(i);
  // The data writes each way once; the way back is the opposite direction.
  for (const RoomLink& link : kRoomLinks) {
    const Direction way = kDirections[link.direction];
    At(link.from).ways[IndexOf(way)] = link.to;
    At(link.to).ways[IndexOf(Opposite(way))] = link.from;
  }
}

bool Carries(const World& world, ItemId item) {
  return std::find(world.inventory.begin(), world.inventory.end(), item) != world.inventory.end();
}

Reaches ReachFrom(const World& world, RoomId from, const CanPass& canPass) {
  Reaches reach{};
  reach[static_cast<std::size_t>(from)].steps = 0;
  std::vector<RoomId> queue{from};
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const RoomId room = queue[next];
    const Reach& at = reach[static_cast<std::size_t>(room)];
    for (Direction way : kDirections) {
      const std::optional<RoomId> to = world.At(room).Way(way);
      if (!to || !canPass(room, way))
        continue;
      Reach& there = reach[static_cast<std::size_t>(*to)];
      if (there.steps >= 0)
        continue;
      there = {at.steps + 1, room == from ? way : at.first, queue.size()};
      queue.push_back(*to);
    }
  }
  return reach;
}
