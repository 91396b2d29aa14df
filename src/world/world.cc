#include "world/world.h"

#include "world/room_ids.h"

namespace {

enum class Way { kEast, kWest, kNorth, kSouth };

// The eleven two-way links; the way back is the opposite direction.
struct Link {
  const char* from;
  Way way;
  const char* to;
};

constexpr Link kLinks[] = {
    {room_id::kSnowyPath, Way::kNorth, room_id::kSnowyYard},
    {room_id::kSnowyYard, Way::kEast, room_id::kLivingRoom},
    {room_id::kSnowyYard, Way::kWest, room_id::kWornPath},
    {room_id::kSnowyYard, Way::kNorth, room_id::kCliffsidePath},
    {room_id::kWornPath, Way::kWest, room_id::kFoodShed},
    {room_id::kWornPath, Way::kNorth, room_id::kGraveyard},
    {room_id::kLivingRoom, Way::kEast, room_id::kHallway},
    {room_id::kLivingRoom, Way::kSouth, room_id::kKitchen},
    {room_id::kHallway, Way::kEast, room_id::kBedroom},
    {room_id::kHallway, Way::kNorth, room_id::kBasement},
    {room_id::kCliffsidePath, Way::kNorth, room_id::kFinalRoom},
};

Room*& ExitOf(Room& room, Way way) {
  switch (way) {
    case Way::kEast:
      return room.east;
    case Way::kWest:
      return room.west;
    case Way::kNorth:
      return room.north;
    case Way::kSouth:
      break;
  }
  return room.south;
}

Way Opposite(Way way) {
  switch (way) {
    case Way::kEast:
      return Way::kWest;
    case Way::kWest:
      return Way::kEast;
    case Way::kNorth:
      return Way::kSouth;
    case Way::kSouth:
      break;
  }
  return Way::kNorth;
}

}  // namespace

World::World() {
  BuildWorld();
  location = firstRoom;
}

void World::BuildWorld() {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    const RoomTexts& texts = kRoomTexts[i];
    rooms[i] = std::make_unique<Room>(texts.name, texts.description, texts.returnText);
  }
  firstRoom = rooms[0].get();
  for (const Link& link : kLinks) {
    Room* from = FindRoom(*this, link.from);
    Room* to = FindRoom(*this, link.to);
    ExitOf(*from, link.way) = to;
    ExitOf(*to, Opposite(link.way)) = from;
  }
}

const char* RoomIdOf(const World& world, const Room* room) {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (room != nullptr && world.rooms[i].get() == room)
      return kRoomTexts[i].id;
  }
  return nullptr;
}

Room* FindRoom(const World& world, const std::string& id) {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (id == kRoomTexts[i].id)
      return world.rooms[i].get();
  }
  return nullptr;
}
