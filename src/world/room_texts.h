#ifndef PRISMORA_WORLD_ROOM_TEXTS_H_
#define PRISMORA_WORLD_ROOM_TEXTS_H_

#include <array>
#include <cstddef>

// The identifier that selects a room's loop, and the three texts the room is built from
// (cmake/generate_texts.cmake fills the fields in this order).
struct RoomTexts {
  const char* id;
  const char* name;
  const char* description;
  const char* returnText;
};

constexpr std::size_t kRoomCount = 12;

// The twelve rooms in the order of room_ids.h, which is the order the world is built; the first
// is where the game starts. Generated at build time from data/story.txt, where each text is
// written under a name such as kRoomTexts[kSnowyPath].description.
extern const std::array<RoomTexts, kRoomCount> kRoomTexts;

#endif  // PRISMORA_WORLD_ROOM_TEXTS_H_
