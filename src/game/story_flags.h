#ifndef PRISMORA_GAME_STORY_FLAGS_H_
#define PRISMORA_GAME_STORY_FLAGS_H_

#include <array>

#include "story_data.h"

// Every fact the story remembers. All false at the start; nothing resets them as a group.
struct StoryFlags {
  bool titleDone = false;
  bool gameOver = false;

  // Per room, by RoomId: "shown" means the room is on screen since the player last arrived;
  // "visited" that its first-visit text has been printed; "seeded" that it has put down the
  // items it starts with.
  std::array<bool, kRoomCount> shown{};
  std::array<bool, kRoomCount> visited{};
  std::array<bool, kRoomCount> seeded{};
  // Per item, by ItemId: an inventory scan once saw it. It stays set after the item is dropped,
  // so a door once opened stays open and a stone once carried still counts at a light.
  std::array<bool, kItemCount> has{};

  bool blotTalked = false;
  bool gateInspected = false;
  bool headOutsidePending = false;
  bool shimmerNoticed = false;  // a closer search of the graveyard showed its faint light
};

inline bool& Shown(StoryFlags& flags, RoomId room) {
  return flags.shown[static_cast<std::size_t>(room)];
}
inline bool Shown(const StoryFlags& flags, RoomId room) {
  return flags.shown[static_cast<std::size_t>(room)];
}
inline bool& Visited(StoryFlags& flags, RoomId room) {
  return flags.visited[static_cast<std::size_t>(room)];
}
inline bool Visited(const StoryFlags& flags, RoomId room) {
  return flags.visited[static_cast<std::size_t>(room)];
}
inline bool& Has(StoryFlags& flags, ItemId item) {
  return flags.has[static_cast<std::size_t>(item)];
}
inline bool Has(const StoryFlags& flags, ItemId item) {
  return flags.has[static_cast<std::size_t>(item)];
}

#endif  // PRISMORA_GAME_STORY_FLAGS_H_
