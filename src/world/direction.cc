#include "world/direction.h"

namespace {

// In the order of Direction.
constexpr DirectionData kData[] = {
    {code::kNorth, Text::kNorth, Text::kLiesNorth, Text::kStartsNorth, Text::kTypeNorth},
    {code::kEast, Text::kEast, Text::kLiesEast, Text::kStartsEast, Text::kTypeEast},
    {code::kSouth, Text::kSouth, Text::kLiesSouth, Text::kStartsSouth, Text::kTypeSouth},
    {code::kWest, Text::kWest, Text::kLiesWest, Text::kStartsWest, Text::kTypeWest},
};
static_assert(std::size(kData) == kDirectionCount);

}  // namespace

Direction Opposite(Direction d) {
  return kDirections[(IndexOf(d) + 2) % kDirectionCount];
}

const DirectionData& DataOf(Direction d) {
  return kData[IndexOf(d)];
}

std::optional<Direction> DirectionOfCode(std::int32_t code) {
  for (Direction d : kDirections) {
    if (DataOf(d).codes.Holds(code))
      return d;
  }
  return std::nullopt;
}
