// Places by name: which rooms each name may mean, and how they lie on the map from where the
// player stands. Nothing here knows a particular room's ways; the map decides.
#include "game/places.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <utility>

#include "world/room_ids.h"

namespace {

struct DisplayName {
  const char* roomId;
  const char* name;
};

constexpr DisplayName kDisplayNames[] = {
    {room_id::kSnowyPath, "the Mountain Path"},
    {room_id::kSnowyYard, "the Snowy Yard"},
    {room_id::kWornPath, "the Worn Path"},
    {room_id::kFoodShed, "the Food Shed"},
    {room_id::kGraveyard, "the Graveyard"},
    {room_id::kLivingRoom, "the Living Room"},
    {room_id::kKitchen, "the Kitchen"},
    {room_id::kHallway, "the Hallway"},
    {room_id::kBasement, "the Basement"},
    {room_id::kBedroom, "Rosen and Sunnie's Bedroom"},
    {room_id::kCliffsidePath, "the Cliffside Path"},
    {room_id::kFinalRoom, "the Wide Field"},
};

// The cabin is the floor the player walks in on, so that "go upstairs" leads out of the basement;
// outside is everywhere under the sky, so that "go outside" leads out of the food shed too.
const Place kPlaces[] = {
    {code::kGoToKitchen, {room_id::kKitchen}, "to the Kitchen", "in the Kitchen"},
    {code::kGoToLivingRoom, {room_id::kLivingRoom}, "to the Living Room", "in the Living Room"},
    {code::kGoToHallway, {room_id::kHallway}, "to the Hallway", "in the Hallway"},
    {code::kGoToBasement, {room_id::kBasement}, "down to the Basement", "in the Basement"},
    {code::kGoToBedroom,
     {room_id::kBedroom},
     "to Rosen and Sunnie's Bedroom",
     "in Rosen and Sunnie's Bedroom"},
    {code::kGoToCabin,
     {room_id::kLivingRoom, room_id::kKitchen, room_id::kHallway, room_id::kBedroom},
     "into the cabin",
     "in the cabin"},
    {code::kGoOutside,
     {room_id::kSnowyYard, room_id::kWornPath, room_id::kGraveyard, room_id::kSnowyPath,
      room_id::kCliffsidePath, room_id::kFinalRoom},
     "outside",
     "outside"},
    {code::kGoToYard, {room_id::kSnowyYard}, "to the Snowy Yard", "in the Snowy Yard"},
    {code::kGoToWornPath, {room_id::kWornPath}, "to the Worn Path", "on the Worn Path"},
    {code::kGoToFoodShed, {room_id::kFoodShed}, "to the Food Shed", "in the Food Shed"},
    {code::kGoToGraveyard, {room_id::kGraveyard}, "to the Graveyard", "in the Graveyard"},
    {code::kGoToMountainPath,
     {room_id::kSnowyPath},
     "to the Mountain Path",
     "on the Mountain Path"},
    {code::kGoThroughGate, {room_id::kCliffsidePath}, "through the gate", "past the gate"},
    {code::kGoToWideField, {room_id::kFinalRoom}, "to the Wide Field", "in the Wide Field"},
    {code::kGoToPath,
     {room_id::kSnowyPath, room_id::kWornPath, room_id::kCliffsidePath},
     "to the path",
     "on the path"},
};

bool IsIn(const World& world, const Place& place, const Room* room) {
  const char* id = RoomIdOf(world, room);
  return id != nullptr && std::any_of(place.rooms.begin(), place.rooms.end(), [id](const char* r) {
           return r != nullptr && std::strcmp(r, id) == 0;
         });
}

}  // namespace

const char* DisplayNameOf(const char* roomId) {
  for (const DisplayName& entry : kDisplayNames) {
    if (std::strcmp(entry.roomId, roomId) == 0)
      return entry.name;
  }
  return roomId;
}

const Place* FindPlace(std::int32_t code) {
  for (const Place& place : kPlaces) {
    if (place.code.Holds(code))
      return &place;
  }
  return nullptr;
}

PlaceRoute RouteTo(const World& world, const Place& place) {
  const Room* here = world.location;
  if (IsIn(world, place, here))
    return {Route::kHere, {}};
  PlaceRoute next{Route::kThrough, {}};
  for (std::size_t way = 0; way < kWayCount; ++way) {
    if (IsIn(world, place, here->*kWayExits[way]))
      next.ways.push_back(way);
  }
  if (next.ways.size() > 1)
    next.route = Route::kSeveral;
  if (!next.ways.empty())
    return next;

  // Breadth first over the map, each room carrying the way out of here its walk began with.
  std::vector<const Room*> seen{here};
  std::deque<std::pair<const Room*, std::size_t>> walks;
  for (std::size_t way = 0; way < kWayCount; ++way) {
    if (const Room* to = here->*kWayExits[way]) {
      seen.push_back(to);
      walks.emplace_back(to, way);
    }
  }
  while (!walks.empty()) {
    const auto [room, first] = walks.front();
    walks.pop_front();
    if (IsIn(world, place, room))
      return {Route::kFar, {first}};
    for (Room* Room::*exit : kWayExits) {
      const Room* to = room->*exit;
      if (to != nullptr && std::find(seen.begin(), seen.end(), to) == seen.end()) {
        seen.push_back(to);
        walks.emplace_back(to, first);
      }
    }
  }
  return {Route::kFar, {}};
}
