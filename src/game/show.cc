#include "game/show.h"

#include "text/console.h"

void ShowRoom(Game& game, const RoomScript& room, bool clear) {
  if (clear)
    ClearScreen();
  const Room& here = game.world.At(room.id);
  here.PrintName();
  here.PrintReturnText();
  if (room.returnNote && !Has(game.flags, *room.returnNoteUntilHas))
    Say(*room.returnNote);
  Shown(game.flags, room.id) = true;
}

void LookAround(const Game& game, const RoomScript& room) {
  game.world.At(room.id).PrintReturnText();
  if (room.afterLook)
    Say(*room.afterLook);
}

void HoldUpStones(Game& game, const ColourLight& light) {
  if (Has(game.flags, light.stone1) && Has(game.flags, light.stone2)) {
    GiveItem(game, light.stonesText, light.key);
  } else {
    Say(Text::kStonesMissing);
  }
}

void LookAtLight(const Game& game, const ColourLight& light) {
  Say(*light.examineText);
  if (Has(game.flags, light.stone1) && Has(game.flags, light.stone2))
    Say(*light.examineStonesHint);
}

void GiveItem(Game& game, Text line, ItemId item) {
  Say(line);
  Say(Text::kGiven, {DataOf(item).name});
  game.world.inventory.push_back(item);
}
