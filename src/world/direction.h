#ifndef PRISMORA_WORLD_DIRECTION_H_
#define PRISMORA_WORLD_DIRECTION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "response_codes.h"
#include "story_data.h"

// The four ways out of a room. Everything about a direction is here: its name, its opposite, the
// codes that walk it, the hints' words for it; a room's link in the map is indexed by it.
enum class Direction : std::uint8_t { kNorth, kEast, kSouth, kWest };

inline constexpr std::array<Direction, 4> kDirections = {Direction::kNorth, Direction::kEast,
                                                         Direction::kSouth, Direction::kWest};
inline constexpr std::size_t kDirectionCount = kDirections.size();

inline constexpr std::size_t IndexOf(Direction d) {
  return static_cast<std::size_t>(d);
}

Direction Opposite(Direction d);

// What one direction is called and answered to.
struct DirectionData {
  CodeRange codes;   // the words that walk it
  Text name;         // "north"
  Text liesThere;    // "It lies north of here."
  Text startsThere;  // "The way there starts north of here."
  Text typeIt;       // "Type: n"
};
const DirectionData& DataOf(Direction d);

// The direction a code walks, if it walks one.
std::optional<Direction> DirectionOfCode(std::int32_t code);

#endif  // PRISMORA_WORLD_DIRECTION_H_
