// The table of rooms: what each room shows, where its ways are shut, what it puts down and looks
// for, and which codes are its own. The turn they all share is in room_turn.cc.
#include <array>

#include "game/game.h"
#include "game/room_script.h"
#include "game/room_turn.h"
#include "input/response_codes.h"
#include "text/console.h"

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

// The party walks with Maize only on the mountain path; Blot talks once, the others not yet.
void PartyTalk(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (code::kTalkBlot.Holds(c)) {
    // The screen clears either way, but the room is not shown again.
    ClearScreen();
    Say(Text::kTalkBlotHeading);
    Say(game.flags.blotTalked ? Text::kBlotRefuses : Text::kBlotTalk);
    game.flags.blotTalked = true;
  } else if (code::kTalkCerule.Holds(c)) {
    Say(Text::kTalkCerule);
  } else if (code::kTalkScarlett.Holds(c)) {
    Say(Text::kTalkScarlett);
  } else if (code::kTalkJester.Holds(c)) {
    Say(Text::kTalkJester);
  }
}

// The stone on the nightstand is never in the room's items; it is handed over, every time.
void NightstandStone(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (code::kTakeNightstandStone.Holds(c)) {
    GiveItem(game, Text::kWakingScene, I::kRedStone);
    Has(game.flags, I::kRedStone) = true;
  } else if (code::kSendForNightstandStone.Holds(c)) {
    GiveItem(game, Text::kQuietGrab, I::kRedStone);
    Has(game.flags, I::kRedStone) = true;
  }
}

}  // namespace

const std::vector<RoomScript> kRoomScripts = {
    RoomScript(RoomId::kSnowyPath, Text::kPathBlocked)
        .FirstVisit({Text::kPathArrival, Text::kBlotArrival})
        .OwnCodes(PartyTalk),
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
        .Light(kOrangeLight),
    RoomScript(RoomId::kBedroom, Text::kWall)
        .FirstVisit({Text::kBedroomChoice})
        .OwnCodes(NightstandStone)
        // The stone here, red or not, is the one on the nightstand.
        .Aliases({{code::kTakeStoneByKind, code::kTakeNightstandStone},
                  {code::kTakeRedStoneHere, code::kTakeNightstandStone}}),
    RoomScript(RoomId::kKitchen, Text::kWall)
        .Seeds({I::kYellowStone, I::kBedroomKey}, true)
        .AfterLook(Text::kCabinetHint),
    RoomScript(RoomId::kWornPath, Text::kFence).Guarded(D::kWest, kShedDoor).Scans({I::kShedKey}),
    RoomScript(RoomId::kGraveyard, Text::kFence)
        .Scans({I::kRedStone, I::kBlueStone})
        .Light(kPurpleLight),
    // Only east leads out, although the shed's texts put its door in the west.
    RoomScript(RoomId::kFoodShed, Text::kFence)
        .Scans({I::kYellowStone, I::kBlueStone})
        .Light(kGreenLight),
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
