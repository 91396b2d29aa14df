// The table of rooms: what each room shows, where its ways are shut, what it puts down and looks
// for, and the rows of codes only it answers. The turns they all share are in turn.cc.
#include "game/room_table.h"

#include <array>

#include "game/room_actions.h"
#include "response_codes.h"

namespace {

using F = StoryFlags;
using D = Direction;
using I = ItemId;

// The bedroom door opens once the Bedroom Key has been carried into the hallway.
const Guard kBedroomDoor{{I::kBedroomKey}, Text::kBedroomLocked, std::nullopt, nullptr};
// The food shed opens once the Shed Key has been carried onto the worn path.
const Guard kShedDoor{{I::kShedKey}, Text::kShedLocked, std::nullopt, nullptr};
// The gate wants all three coloured keys; the first try plays the scene of finding that out.
const Guard kGate{{I::kOrangeKey, I::kGreenKey, I::kPurpleKey},
                  Text::kGateReminder,
                  Text::kGateScene,
                  &F::gateInspected};

// The three lights: the stones, the stones and magic codes, what is said for the stones, the
// party's magic and the Jester's, the key, and what a closer look shows.
// clang-format off
const ColourLight kOrangeLight{
    LightId::kOrangeLight, I::kRedStone, I::kYellowStone,
    code::kOrangeLightStones, code::kOrangeLightMagic,
    Text::kOrangeStones, Text::kOrangeMagic, Text::kOrangeJester, I::kOrangeKey,
    code::kExamineOrangeLight, Text::kOrangeLightLook, Text::kOrangeLightStonesHint};
const ColourLight kPurpleLight{
    LightId::kPurpleLight, I::kRedStone, I::kBlueStone,
    code::kPurpleLightStones, code::kPurpleLightMagic,
    Text::kPurpleStones, Text::kPurpleMagic, Text::kPurpleJester, I::kPurpleKey,
    kNoCodes, std::nullopt, std::nullopt};
const ColourLight kGreenLight{
    LightId::kGreenLight, I::kYellowStone, I::kBlueStone,
    code::kGreenLightStones, code::kGreenLightMagic,
    Text::kGreenStones, Text::kGreenMagic, Text::kGreenJester, I::kGreenKey,
    kNoCodes, std::nullopt, std::nullopt};
// clang-format on

}  // namespace

const std::vector<RoomScript> kRoomScripts = {
    RoomScript(RoomId::kMountainPath, Text::kPathBlocked)
        .FirstVisit({Text::kPathArrival, Text::kBlotArrival})
        // The party walks with Maize only here; Blot talks once, the others not yet.
        .Rows({Answer(code::kTalkBlot, TalkToBlot),
               Answer(code::kTalkCerule, SayRowText).Saying(Text::kTalkCerule),
               Answer(code::kTalkScarlett, SayRowText).Saying(Text::kTalkScarlett),
               Answer(code::kTalkJester, SayRowText).Saying(Text::kTalkJester)}),
    // The head-outside screen comes once, after the living room's first visit.
    RoomScript(RoomId::kSnowyYard, std::nullopt)  // every way out of the yard leads somewhere
        .Interlude(&F::headOutsidePending, Text::kHeadOutside)
        .Guarded(D::kNorth, kGate)
        .Scans({I::kOrangeKey, I::kGreenKey, I::kPurpleKey}),
    // The blue stone line shows until the stone has been carried to a light outside.
    RoomScript(RoomId::kLivingRoom, Text::kLivingRoomWall)
        .FirstVisit({}, &F::headOutsidePending)
        .OnReturn(Text::kBlueStoneNoticed, I::kBlueStone)
        .Seeds({I::kBlueStone}, true),
    RoomScript(RoomId::kHallway, Text::kWall)
        .Guarded(D::kEast, kBedroomDoor)
        .Scans({I::kBedroomKey}),
    RoomScript(RoomId::kBasement, Text::kWall)
        .Seeds({I::kShedKey}, false)
        .Scans({I::kRedStone, I::kYellowStone})
        .AfterLook(Text::kKeyRingHint)
        .Light(kOrangeLight, LightRows(kOrangeLight)),
    RoomScript(RoomId::kBedroom, Text::kWall)
        .FirstVisit({Text::kBedroomChoice})
        // The stone on the nightstand is never in the room's items; it is handed over, every
        // time. The stone here, red or not, is that one.
        .Rows({Answer(code::kTakeNightstandStone, HandOver)
                   .Saying(Text::kWakingScene)
                   .With(I::kRedStone),
               Answer(code::kTakeStoneByKind, HandOver)
                   .Saying(Text::kWakingScene)
                   .With(I::kRedStone)
                   .Overrides(),
               Answer(code::kTakeRedStoneHere, HandOver)
                   .Saying(Text::kWakingScene)
                   .With(I::kRedStone)
                   .Overrides(),
               Answer(code::kWakeSunnie, HandOver)
                   .Saying(Text::kWakingScene)
                   .With(I::kRedStone)
                   .Overrides(),
               Answer(code::kSendForNightstandStone, HandOver)
                   .Saying(Text::kQuietGrab)
                   .With(I::kRedStone)}),
    RoomScript(RoomId::kKitchen, Text::kWall)
        .Seeds({I::kYellowStone, I::kBedroomKey}, true)
        .AfterLook(Text::kCabinetHint),
    RoomScript(RoomId::kWornPath, Text::kFence).Guarded(D::kWest, kShedDoor).Scans({I::kShedKey}),
    RoomScript(RoomId::kGraveyard, Text::kFence)
        .Scans({I::kRedStone, I::kBlueStone})
        .Light(kPurpleLight, LightRows(kPurpleLight)),
    // Only east leads out, although the shed's texts put its door in the west.
    RoomScript(RoomId::kFoodShed, Text::kFence)
        .Scans({I::kYellowStone, I::kBlueStone})
        .Light(kGreenLight, LightRows(kGreenLight)),
    RoomScript(RoomId::kCliffsidePath, Text::kCliff),
};

const RoomScript* ScriptOf(RoomId room) {
  static const std::array<const RoomScript*, kRoomCount> byRoom = [] {
    std::array<const RoomScript*, kRoomCount> rows{};
    for (const RoomScript& script : kRoomScripts)
      rows[static_cast<std::size_t>(script.id)] = &script;
    return rows;
  }();
  return byRoom[static_cast<std::size_t>(room)];
}
