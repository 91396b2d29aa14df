#ifndef PRISMORA_WORLD_ROOM_H_
#define PRISMORA_WORLD_ROOM_H_

#include <array>
#include <optional>
#include <vector>

#include "story_data.h"
#include "world/direction.h"

// One of the fixed places: what lies in it and where its ways lead. Its texts are the story
// data's, looked up by its id.
struct Room {
  RoomId id = RoomId{};
  std::vector<ItemId> items;
  std::array<std::optional<RoomId>, kDirectionCount> ways{};  // none where there is no way

  std::optional<RoomId> Way(Direction d) const { return ways[IndexOf(d)]; }

  // Each writes its text exactly as stored, then one line end, and flushes. At a terminal the
  // name shows as a heading.
  void PrintName() const;
  void PrintDescription() const;
  void PrintReturnText() const;
};

#endif  // PRISMORA_WORLD_ROOM_H_
