#ifndef PRISMORA_WORLD_ROOM_IDS_H_
#define PRISMORA_WORLD_ROOM_IDS_H_

// The identifiers held in currentRoom. A Room does not store its own; these name them once.
// Their order here is the order of kRoomTexts and of the world's rooms: the first is where the
// game starts.
namespace room_id {
constexpr const char kSnowyPath[] = "Snowy Path";
constexpr const char kSnowyYard[] = "Snowy Yard";
constexpr const char kWornPath[] = "Worn Path";
constexpr const char kFoodShed[] = "Food Shed";
constexpr const char kGraveyard[] = "Graveyard";
constexpr const char kLivingRoom[] = "Living Room";
constexpr const char kKitchen[] = "Kitchen";
constexpr const char kHallway[] = "Hallway";
constexpr const char kBasement[] = "Basement";
constexpr const char kBedroom[] = "Bedroom";
constexpr const char kCliffsidePath[] = "Cliffside Path";
constexpr const char kFinalRoom[] = "Final Room";
}  // namespace room_id

#endif  // PRISMORA_WORLD_ROOM_IDS_H_
