#ifndef PRISMORA_GAME_RULES_H_
#define PRISMORA_GAME_RULES_H_

#include "game/room_script.h"
#include "game/story_flags.h"
#include "world/world.h"

// The rules the room turn plays by and the hints reason with: both ask these, so a hint can never
// disagree with what the turn does.

// For each inventory entry, first to last, sets the has flag of every item the room looks for.
void ScanInventory(const World& world, StoryFlags& flags, const RoomScript& room);

// A has flag as the room sees it on its turn: set already, or set by its scan of what is carried.
bool Sees(const World& world, const StoryFlags& flags, const RoomScript& room, ItemId item);

// Whether the way's guard, if it has one, lets the player through on the room's turn.
bool Opens(const World& world, const StoryFlags& flags, const RoomScript& room, Direction way);

// The walks the player can take now, through the ways the rooms would open.
Reaches ReachNow(const World& world, const StoryFlags& flags, RoomId from);

// The walks over the map alone, locked ways included.
Reaches ReachOnMap(const World& world, RoomId from);

#endif  // PRISMORA_GAME_RULES_H_
