#include "world/room.h"

#include <iostream>
#include <utility>

#include "term/terminal.h"

// The parameters carry an In suffix here: g++'s -Wshadow flags a parameter named as a member.
Room::Room(std::string nameIn, std::string descriptionIn, std::string returnTextIn)
    : name(std::move(nameIn)),
      description(std::move(descriptionIn)),
      returnText(std::move(returnTextIn)) {}

void Room::PrintName() const {
  MarkHeading();
  std::cout << name << std::endl;
}
void Room::PrintDescription() const {
  std::cout << description << std::endl;
}
void Room::PrintReturnText() const {
  std::cout << returnText << std::endl;
}
