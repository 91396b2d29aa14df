#ifndef PRISMORA_WORLD_WORLD_H_
#define PRISMORA_WORLD_WORLD_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "world/room.h"
#include "world/room_texts.h"

// The one world record: where the game starts, where the player stands, what they carry.
// It owns the twelve rooms; exits and location only point into them.
struct World {
  World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  Room* firstRoom = nullptr;
  Room* location = nullptr;
  std::vector<std::string> inventory;

  // Creation order, the same as kRoomTexts; released once, with the World.
  std::array<std::unique_ptr<Room>, kRoomCount> rooms;

 private:
  void BuildWorld();
};

// The identifier of a room of this world, or nullptr if the room is not one of its twelve.
const char* RoomIdOf(const World& world, const Room* room);

// The room with that identifier, or nullptr.
Room* FindRoom(const World& world, const std::string& id);

#endif  // PRISMORA_WORLD_WORLD_H_
