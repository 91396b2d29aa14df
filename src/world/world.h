#ifndef PRISMORA_WORLD_WORLD_H_
#define PRISMORA_WORLD_WORLD_H_

#include <array>
#include <functional>
#include <vector>

#include "story_data.h"
#include "world/room.h"

// The one world record: where the player stands (from the room the data writes first), what
// they carry and what lies where. A plain value: copying it copies the whole of where things are.
struct World {
  World();

  std::array<Room, kRoomCount> rooms;  // indexed by RoomId
  RoomId location = RoomId{};          // from the room the data writes first
  std::vector<ItemId> inventory;

  Room& At(RoomId id) { return rooms[static_cast<std::size_t>(id)]; }
  const Room& At(RoomId id) const { return rooms[static_cast<std::size_t>(id)]; }
  Room& Here() { return At(location); }
  const Room& Here() const { return At(location); }
};

bool Carries(const World& world, ItemId item);

// How far each room is from one room over the ways that `canPass` lets through, and the
// direction the first step of the shortest walk there takes. Breadth first: of two equally short
// walks, the one whose first step comes earlier in kDirections wins.
struct Reach {
  int steps = -1;  // -1: no walk gets there
  Direction first = Direction::kNorth;
  std::size_t order = 0;  // the how-manieth room the search came to, from 0 for the start
};
using Reaches = std::array<Reach, kRoomCount>;
using CanPass = std::function<bool(RoomId from, Direction way)>;
Reaches ReachFrom(const World& world, RoomId from, const CanPass& canPass);

#endif  // PRISMORA_WORLD_WORLD_H_
