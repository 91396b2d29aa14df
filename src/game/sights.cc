// What a closer look shows: per room, the things its texts name and the line each answers with;
// then the party and the fathers, who answer everywhere. Anything else is nothing special.
#include "game/sights.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "game/show.h"
#include "items/items_by_kind.h"
#include "response_codes.h"
#include "text/console.h"

namespace {

using R = RoomId;
using I = ItemId;

// One thing and its line; some things change with the story, and then say `later` instead.
struct Sight {
  CodeRange code;
  Text text;
  bool (*isLater)(const Game&) = nullptr;
  Text later = Text::kNothingSpecial;
};

bool GateTried(const Game& g) {
  return g.flags.gateInspected;
}
bool CabinLeft(const Game& g) {  // Rosen is gone, and his footprints lead to the gate
  return Visited(g.flags, R::kLivingRoom);
}
bool StoneHandedOver(const Game& g) {  // the only Red Stone is Sunnie's
  return Has(g.flags, I::kRedStone);
}
bool ShedKeyGone(const Game& g) {
  const std::vector<ItemId>& items = g.world.At(R::kBasement).items;
  return g.flags.seeded[static_cast<std::size_t>(R::kBasement)] &&
         std::find(items.begin(), items.end(), I::kShedKey) == items.end();
}

struct RoomSights {
  RoomId room;
  std::vector<Sight> sights;
};

// clang-format off
const RoomSights kRoomSights[] = {
    {R::kMountainPath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookMountainPath}}},
    {R::kSnowyYard, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookYardPath},
        {code::kLookAtShed, Text::kLookYardPath},
        {code::kLookAtGraves, Text::kLookYardPath},
        {code::kLookAtCabin, Text::kLookCabin, CabinLeft, Text::kLookCabinFootprints},
        {code::kLookAtGate, Text::kLookGate, GateTried, Text::kLookGateKeyholes}}},
    {R::kWornPath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookWornPath},
        {code::kLookAtShed, Text::kLookShedOutside},
        {code::kLookAtDoor, Text::kLookShedOutside},
        {code::kLookAtGraves, Text::kLookGraveyardOutside},
        {code::kLookAtFence, Text::kLookFence}}},
    {R::kFoodShed, {
        {code::kLookAtShed, Text::kLookShedInside},
        {code::kLookAtGrains, Text::kLookGrains},
        {code::kLookAtGlow, Text::kLookGreenGlow},
        {code::kLookAtGreenKey, Text::kLookGreenGlow},
        {code::kLookAtDoor, Text::kLookShedDoor}}},
    {R::kGraveyard, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtGraves, Text::kLookGraves},
        {code::kLookAtFence, Text::kLookFence}}},
    {R::kCliffsidePath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtCliffs, Text::kLookCliffs},
        {code::kLookAtPath, Text::kLookCliffsidePath},
        {code::kLookAtGate, Text::kLookOpenGate}}},
    {R::kLivingRoom, {
        {code::kLookAtTable, Text::kLookCoffeeTable},
        {code::kLookAtCabin, Text::kLookLivingRoomLayout},
        {code::kLookAtDoor, Text::kLookFrontDoor}}},
    {R::kKitchen, {
        {code::kLookAtTable, Text::kLookKitchenTable},
        {code::kLookAtCabinets, Text::kLookCabinets},
        {code::kLookAtStove, Text::kLookStove},
        {code::kLookAtDoor, Text::kLookKitchenDoor}}},
    {R::kHallway, {
        {code::kLookAtDoor, Text::kLookHallwayDoors},
        {code::kLookAtChildren, Text::kLookChildren}}},
    {R::kBasement, {
        {code::kLookAtKeyRing, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookAtKey, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookAtDoor, Text::kLookBasementDoor}}},
    {R::kBedroom, {
        {code::kLookAtNightstand, Text::kLookNightstand, StoneHandedOver, Text::kLookNightstandBare},
        {code::kLookAtRedStone, Text::kLookNightstand, StoneHandedOver, Text::kLookNightstandBare},
        {code::kLookAtStone, Text::kLookNightstand, StoneHandedOver, Text::kLookNightstandBare},
        {code::kSunnie, Text::kSunnieAsleep, StoneHandedOver, Text::kSunnieAfter},
        {code::kLookAtDoor, Text::kLookBedroomDoor}}},
};

// The party walks with Maize everywhere; the fathers are talked of wherever the player stands.
const std::vector<Sight> kEverywhere = {
    {code::kLookAtBlot, Text::kLookBlot},
    {code::kLookAtCerule, Text::kLookCerule},
    {code::kLookAtScarlett, Text::kLookScarlett},
    {code::kLookAtJester, Text::kLookJester},
    {code::kSunnie, Text::kSunnieAway, StoneHandedOver, Text::kSunnieAwayAfter},
    {code::kRosen, Text::kRosenAway, CabinLeft, Text::kRosenAhead},
};
// clang-format on

const Text* SightIn(const std::vector<Sight>& sights, const Game& game) {
  for (const Sight& sight : sights) {
    if (sight.code.Holds(game.inputNumber))
      return sight.isLater != nullptr && sight.isLater(game) ? &sight.later : &sight.text;
  }
  return nullptr;
}

const std::vector<Sight>& SightsOf(RoomId room) {
  static const std::vector<Sight> kNone;
  for (const RoomSights& row : kRoomSights) {
    if (row.room == room)
      return row.sights;
  }
  return kNone;
}

// The distinct items of a kind that lie here or are carried, here first.
std::vector<ItemId> InReach(const Game& game, const char* kind) {
  std::vector<ItemId> both = game.world.Here().items;
  both.insert(both.end(), game.world.inventory.begin(), game.world.inventory.end());
  return ItemsOfKind(both, kind);
}

// An item named, or named by its kind: true when one in reach answered, or a question which.
bool LookAtItem(const Turn& turn) {
  const Row& row = *turn.row;
  const Game& game = turn.game;
  if (row.item) {
    const ItemData& item = DataOf(*row.item);
    const std::vector<ItemId> here = InReach(game, item.kind);
    if (std::find(here.begin(), here.end(), *row.item) != here.end()) {
      Say(item.description);
      return true;
    }
    // A key the room's light still holds: the light's own look, where it has one.
    const ColourLight* light = turn.room->light;
    if (light != nullptr && light->key == *row.item && light->examineText) {
      LookAtLight(game, *light);
      return true;
    }
    return false;
  }
  if (row.kind == nullptr)
    return false;
  const std::vector<ItemId> items = InReach(game, row.kind);
  if (items.empty())
    return false;
  if (items.size() == 1) {
    Say(DataOf(items[0]).description);
    return true;
  }
  AskWhichItem(row.kind, items);
  return true;
}

}  // namespace

void LookCloser(Turn& turn) {
  if (LookAtItem(turn))
    return;
  const Text* text = SightIn(SightsOf(turn.room->id), turn.game);
  if (text == nullptr)
    text = SightIn(kEverywhere, turn.game);
  Say(text != nullptr ? *text : Text::kNothingSpecial);
}
