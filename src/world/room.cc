#include "world/room.h"

#include <iostream>
#include <utility>

#include "term/terminal.h"

Room::Room(std::string heading, std::string firstVisitText, std::string returnTextIn)
    : name(std::move(heading)),
      description(std::move(firstVisitText)),
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
