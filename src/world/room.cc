#include "world/room.h"

#include "text/console.h"

void Room::PrintName() const {
  SayHeading(TextsOf(id).name);
}
void Room::PrintDescription() const {
  SayLine(TextsOf(id).description);
}
void Room::PrintReturnText() const {
  SayLine(TextsOf(id).returnText);
}
