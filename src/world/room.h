#ifndef PRISMORA_WORLD_ROOM_H_
#define PRISMORA_WORLD_ROOM_H_

#include <string>
#include <vector>

// One of the twelve fixed places. Exits are non-owning: the World owns every room.
struct Room {
  Room(std::string name, std::string description, std::string returnText);

  std::vector<std::string> items;
  Room* east = nullptr;
  Room* west = nullptr;
  Room* north = nullptr;
  Room* south = nullptr;
  std::string name;
  std::string description;
  std::string returnText;

  // Each writes its text exactly as stored, then one line end, and flushes. At a terminal the
  // name shows as a heading (MarkHeading).
  void PrintName() const;
  void PrintDescription() const;
  void PrintReturnText() const;
};

#endif  // PRISMORA_WORLD_ROOM_H_
