#ifndef PRISMORA_GAME_PLACES_H_
#define PRISMORA_GAME_PLACES_H_

#include <cstdint>
#include <vector>

#include "response_codes.h"
#include "story_data.h"
#include "world/world.h"

// A name players give a place, by its code, and every room it may mean.
struct Place {
  CodeRange code;
  std::vector<RoomId> rooms;
  Text to;  // "to the Kitchen", "outside": where the player asked to go
  Text at;  // "in the Kitchen", "outside": where the player already is
};

// Every place by name, each with its own code.
extern const std::vector<Place> kPlaces;

// The place a code names, or nullptr.
const Place* FindPlace(std::int32_t code);

// How a place lies from the room the player stands in: the room itself is part of it; one way out
// leads into it; several do; or it lies further away, and `ways` holds the first step of the
// shortest walk there over the map, locked ways included (empty only if no walk reaches it).
enum class Route { kHere, kThrough, kSeveral, kFar };
struct PlaceRoute {
  Route route = Route::kFar;
  std::vector<Direction> ways;
};
PlaceRoute RouteTo(const World& world, const Place& place);

#endif  // PRISMORA_GAME_PLACES_H_
