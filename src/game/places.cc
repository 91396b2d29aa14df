// Places by name: which rooms each name may mean, and how they lie on the map from where the
// player stands. Nothing here knows a particular room's ways; the map decides.
#include "game/places.h"

#include <algorithm>

#include "game/rules.h"

namespace {

using R = RoomId;

}  // namespace

// The cabin is the floor the player walks in on, so that "go upstairs" leads out of the basement;
// outside is everywhere under the sky, so that "go outside" leads out of the food shed too.
const std::vector<Place> kPlaces = {
    {code::kGoToKitchen, {R::kKitchen}, Text::kToKitchen, Text::kInKitchen},
    {code::kGoToLivingRoom, {R::kLivingRoom}, Text::kToLivingRoom, Text::kInLivingRoom},
    {code::kGoToHallway, {R::kHallway}, Text::kToHallway, Text::kInHallway},
    {code::kGoToBasement, {R::kBasement}, Text::kToBasement, Text::kInBasement},
    {code::kGoToBedroom, {R::kBedroom}, Text::kToBedroom, Text::kInBedroom},
    {code::kGoToCabin,
     {R::kLivingRoom, R::kKitchen, R::kHallway, R::kBedroom},
     Text::kToCabin,
     Text::kInCabin},
    {code::kGoOutside,
     {R::kSnowyYard, R::kWornPath, R::kGraveyard, R::kMountainPath, R::kCliffsidePath,
      R::kFinalRoom},
     Text::kOutside,
     Text::kOutside},
    {code::kGoToYard, {R::kSnowyYard}, Text::kToYard, Text::kInYard},
    {code::kGoToWornPath, {R::kWornPath}, Text::kToWornPath, Text::kOnWornPath},
    {code::kGoToFoodShed, {R::kFoodShed}, Text::kToFoodShed, Text::kInFoodShed},
    {code::kGoToGraveyard, {R::kGraveyard}, Text::kToGraveyard, Text::kInGraveyard},
    {code::kGoToMountainPath, {R::kMountainPath}, Text::kToMountainPath, Text::kOnMountainPath},
    {code::kGoThroughGate, {R::kCliffsidePath}, Text::kThroughGate, Text::kPastGate},
    {code::kGoToWideField, {R::kFinalRoom}, Text::kToWideField, Text::kInWideField},
    {code::kGoToPath,
     {R::kMountainPath, R::kWornPath, R::kCliffsidePath},
     Text::kToPath,
     Text::kOnPath},
};

namespace {

bool IsIn(const Place& place, RoomId room) {
  return std::find(place.rooms.begin(), place.rooms.end(), room) != place.rooms.end();
}

}  // namespace

const Place* FindPlace(std::int32_t code) {
  for (const Place& place : kPlaces) {
    if (place.code.Holds(code))
      return &place;
  }
  return nullptr;
}

PlaceRoute RouteTo(const World& world, const Place& place) {
  if (IsIn(place, world.location))
    return {Route::kHere, {}};
  PlaceRoute next{Route::kThrough, {}};
  for (Direction way : kDirections) {
    const std::optional<RoomId> to = world.Here().Way(way);
    if (to && IsIn(place, *to))
      next.ways.push_back(way);
  }
  if (next.ways.size() > 1)
    next.route = Route::kSeveral;
  if (!next.ways.empty())
    return next;

  // The room of the place that the search over the map comes to first.
  const Reaches reach = ReachOnMap(world, world.location);
  const Reach* nearest = nullptr;
  for (RoomId room : place.rooms) {
    const Reach& r = reach[static_cast<std::size_t>(room)];
    if (r.steps >= 0 && (nearest == nullptr || r.order < nearest->order))
      nearest = &r;
  }
  if (nearest == nullptr)
    return {Route::kFar, {}};
  return {Route::kFar, {nearest->first}};
}
