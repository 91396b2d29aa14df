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
// Seeing some teaches the player a fact (`notices`); some of the room's things are meant before
// a carried item of the kind named (`overItems`: the gravestones, when "the stones" are named).
struct Sight {
  CodeRange code;
  Text text;
  bool (*isLater)(const Game&) = nullptr;
  Text later = Text::kNothingSpecial;
  Flag notices = nullptr;
  bool overItems = false;
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
// The room has put the item down, and it lies there no more.
bool Gone(const Game& g, RoomId room, ItemId item) {
  const std::vector<ItemId>& items = g.world.At(room).items;
  return g.flags.seeded[static_cast<std::size_t>(room)] &&
         std::find(items.begin(), items.end(), item) == items.end();
}
bool ShedKeyGone(const Game& g) {
  return Gone(g, R::kBasement, I::kShedKey);
}
bool BedroomKeyGone(const Game& g) {
  return Gone(g, R::kKitchen, I::kBedroomKey);
}
bool ShimmerNoticed(const Game& g) {
  return g.flags.shimmerNoticed;
}

constexpr Flag kNoticesShimmer = &StoryFlags::shimmerNoticed;

struct RoomSights {
  RoomId room;
  std::vector<Sight> sights;
};

// clang-format off
const RoomSights kRoomSights[] = {
    {R::kMountainPath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookMountainPath},
        {code::kLookAtFootprints, Text::kLookOwnTracks}}},
    {R::kSnowyYard, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookYardPath},
        {code::kLookAtShed, Text::kLookYardPath},
        {code::kLookAtGraves, Text::kLookYardPath},
        {code::kLookAtCabin, Text::kLookCabin, CabinLeft, Text::kLookCabinFootprints},
        {code::kLookAtGate, Text::kLookGate, GateTried, Text::kLookGateKeyholes},
        {code::kLookAtPadlock, Text::kLookPadlock, GateTried, Text::kLookGateKeyholes},
        {code::kLookAtFootprints, Text::kLookOwnTracks, CabinLeft, Text::kLookFootprints}}},
    {R::kWornPath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtPath, Text::kLookWornPath},
        {code::kLookAtShed, Text::kLookShedOutside},
        {code::kLookAtDoor, Text::kLookShedOutside},
        {code::kLookAtGraves, Text::kLookGraveyardOutside},
        {code::kLookAtFence, Text::kLookFence},
        {code::kLookAtFootprints, Text::kLookOwnTracks}}},
    {R::kFoodShed, {
        {code::kLookAtShed, Text::kLookShedInside},
        {code::kLookAtGrains, Text::kLookGrains},
        {code::kLookAtGlow, Text::kLookGreenGlow},
        {code::kLookAtGreenKey, Text::kLookGreenGlow},
        {code::kLookForLight, Text::kLookGreenGlow},
        {code::kLookForKey, Text::kLookGreenGlow},
        {code::kLookAtDoor, Text::kLookShedDoor}}},
    {R::kGraveyard, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtGraves, Text::kLookGraves},
        {code::kLookAtFence, Text::kLookFence},
        {code::kLookAtFootprints, Text::kLookOwnTracks},
        // Its light shows only to a closer search, and a look at it waits until then.
        {code::kSearch, Text::kShimmer, nullptr, Text::kNothingSpecial, kNoticesShimmer},
        {code::kLookForLight, Text::kShimmer, nullptr, Text::kNothingSpecial, kNoticesShimmer},
        {code::kLookForKey, Text::kShimmer, nullptr, Text::kNothingSpecial, kNoticesShimmer},
        {code::kLookAtStone, Text::kLookGravestones, nullptr, Text::kNothingSpecial,
         kNoticesShimmer, true},
        {code::kLookAtGlow, Text::kNothingSpecial, ShimmerNoticed, Text::kLookPurpleShimmer},
        {code::kLookAtPurpleKey, Text::kNothingSpecial, ShimmerNoticed, Text::kLookPurpleShimmer}}},
    {R::kCliffsidePath, {
        {code::kLookAtSnow, Text::kLookSnow},
        {code::kLookAtCliffs, Text::kLookCliffs},
        {code::kLookAtPath, Text::kLookCliffsidePath},
        {code::kLookAtGate, Text::kLookOpenGate},
        {code::kLookAtPadlock, Text::kLookOpenPadlock},
        {code::kLookAtFootprints, Text::kLookFootprintsAhead}}},
    {R::kLivingRoom, {
        {code::kLookAtTable, Text::kLookCoffeeTable},
        {code::kLookAtCabin, Text::kLookLivingRoomLayout},
        {code::kLookAtDoor, Text::kLookFrontDoor}}},
    {R::kKitchen, {
        {code::kLookAtTable, Text::kLookKitchenTable},
        {code::kLookAtCabinets, Text::kLookCabinets},
        {code::kLookForKey, Text::kCabinetKey, BedroomKeyGone, Text::kCabinetKeyGone},
        {code::kLookAtStove, Text::kLookStove},
        {code::kLookAtDoor, Text::kLookKitchenDoor}}},
    {R::kHallway, {
        {code::kLookAtDoor, Text::kLookHallwayDoors},
        {code::kLookAtChildren, Text::kLookChildren}}},
    {R::kBasement, {
        {code::kLookAtKeyRing, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookAtKey, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kSearch, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookForKey, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookAtWalls, Text::kLookKeyRing, ShedKeyGone, Text::kLookKeyRingEmpty},
        {code::kLookForLight, Text::kOrangeLightLook},
        {code::kLookAtDoor, Text::kLookBasementDoorRing, ShedKeyGone,
         Text::kLookBasementDoorRingEmpty}}},
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
    {code::kLookAtParty, Text::kLookParty},
    {code::kLookAtMasks, Text::kLookMasks},
    {code::kLookAtMe, Text::kLookMaize},
    {code::kSunnie, Text::kSunnieAway, StoneHandedOver, Text::kSunnieAwayAfter},
    {code::kWakeSunnie, Text::kSunnieAway, StoneHandedOver, Text::kSunnieAwayAfter},
    {code::kRosen, Text::kRosenAway, CabinLeft, Text::kRosenAhead},
};
// clang-format on

// The sight of the code typed; with `overItemsOnly`, only one meant before a carried item.
const Sight* SightIn(const std::vector<Sight>& sights, const Game& game,
                     bool overItemsOnly = false) {
  for (const Sight& sight : sights) {
    if (sight.code.Holds(game.inputNumber) && (sight.overItems || !overItemsOnly))
      return &sight;
  }
  return nullptr;
}

void Show(Game& game, const Sight& sight) {
  Say(sight.isLater != nullptr && sight.isLater(game) ? sight.later : sight.text);
  if (sight.notices != nullptr)
    game.flags.*sight.notices = true;
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
  const std::vector<Sight>& here = SightsOf(turn.room->id);
  const Sight* sight = SightIn(here, turn.game, true);
  if (sight == nullptr) {
    if (LookAtItem(turn))
      return;
    sight = SightIn(here, turn.game);
  }
  if (sight == nullptr)
    sight = SightIn(kEverywhere, turn.game);
  if (sight != nullptr)
    Show(turn.game, *sight);
  else
    Say(turn.row->text.value_or(Text::kNothingSpecial));
}

void Search(Turn& turn) {
  if (const Sight* sight = SightIn(SightsOf(turn.room->id), turn.game))
    Show(turn.game, *sight);
  else
    LookAround(turn.game, *turn.room);
}
