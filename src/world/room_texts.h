#ifndef PRISMORA_WORLD_ROOM_TEXTS_H_
#define PRISMORA_WORLD_ROOM_TEXTS_H_

#include <array>
#include <cstddef>

// The identifier that selects a room's loop, and the three texts the room is built from.
struct RoomTexts {
  const char* id;
  const char* name;
  const char* description;
  const char* returnText;
};

constexpr std::size_t kRoomCount = 12;

// The twelve rooms in the order the world is built; the first is where the game starts.
extern const std::array<RoomTexts, kRoomCount> kRoomTexts;

#endif  // PRISMORA_WORLD_ROOM_TEXTS_H_
