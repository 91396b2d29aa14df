#ifndef PRISMORA_GAME_PLACES_H_
#define PRISMORA_GAME_PLACES_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "input/response_codes.h"
#include "world/room.h"
#include "world/world.h"

// A room as sentences name it ("the Kitchen"); the headings carry layout and long titles.
const char* DisplayNameOf(const char* roomId);

// The room behind each way out, in the order of RoomScript::guards (north, east, south, west).
constexpr Room* Room::*kWayExits[] = {&Room::north, &Room::east, &Room::south, &Room::west};
constexpr std::size_t kWayCount = std::size(kWayExits);

// A name players give a place, by its code, and every room it may mean.
struct Place {
  CodeRange code;
  std::array<const char*, 6> rooms;
  const char* to;  // "to the Kitchen", "outside": where the player asked to go
  const char* at;  // "in the Kitchen", "outside": where the player already is
};

// The place a code names, or nullptr.
const Place* FindPlace(std::int32_t code);

// How a place lies from the room the player stands in: the room itself is part of it; one way out
// leads into it; several do; or it lies further away, and `ways` holds the first step of the
// shortest walk there over the map (empty only if no walk reaches it).
enum class Route { kHere, kThrough, kSeveral, kFar };
struct PlaceRoute {
  Route route = Route::kFar;
  std::vector<std::size_t> ways;  // directions, as indices into kWayExits
};
PlaceRoute RouteTo(const World& world, const Place& place);

#endif  // PRISMORA_GAME_PLACES_H_
