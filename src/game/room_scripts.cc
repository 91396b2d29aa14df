// The table of rooms: what each room shows, where its ways are shut, what it puts down and looks
// for, and which codes are its own. The turn they all share is in room_turn.cc.
#include "game/console.h"
#include "game/game.h"
#include "game/room_script.h"
#include "game/room_turn.h"
#include "game/story_texts.h"
#include "input/response_codes.h"
#include "items/item_names.h"
#include "world/room_ids.h"

namespace {

using F = StoryFlags;

// The bedroom door opens once the Bedroom Key has been carried into the hallway.
const Guard kBedroomDoor{{&F::hasBedroomKey}, text::kBedroomLocked, {}, nullptr};
// The food shed opens once the Shed Key has been carried onto the worn path.
const Guard kShedDoor{{&F::hasShedKey}, text::kShedLocked, {}, nullptr};
// The gate wants all three coloured keys; the first try plays the scene of finding that out.
const Guard kGate{{&F::hasOrangeKey, &F::hasGreenKey, &F::hasPurpleKey},
                  text::kGateReminder,
                  TextsOf(text::kGateScene),
                  &F::gateInspected};

// The three lights: the stones' has flags, the stones and magic codes, what is said for the
// stones, the party's magic and the Jester's, the key, and what a closer look shows.
// clang-format off
const ColourLight kOrangeLight{
    &F::hasRedStone, &F::hasYellowStone, code::kOrangeLightStones, code::kOrangeLightMagic,
    text::kOrangeStones, text::kOrangeMagic, text::kOrangeJester, item::kOrangeKey,
    code::kExamineOrangeLight, TextsOf(text::kOrangeLightLook), text::kOrangeLightStonesHint};
const ColourLight kPurpleLight{
    &F::hasRedStone, &F::hasBlueStone, code::kPurpleLightStones, code::kPurpleLightMagic,
    text::kPurpleStones, text::kPurpleMagic, text::kPurpleJester, item::kPurpleKey};
const ColourLight kGreenLight{
    &F::hasYellowStone, &F::hasBlueStone, code::kGreenLightStones, code::kGreenLightMagic,
    text::kGreenStones, text::kGreenMagic, text::kGreenJester, item::kGreenKey};
// clang-format on

const char* const kPathArrival[] = {text::kPathArrival, text::kBlotArrival};
const char* const kBedroomArrival[] = {text::kBedroomChoice};

// The party walks with Maize only on the mountain path; Blot talks once, the others not yet.
void PartyTalk(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (code::kTalkBlot.Holds(c)) {
    // The screen clears either way, but the room is not shown again.
    ClearScreen();
    Say(text::kTalkBlotHeading);
    if (game.flags.blotTalked) {
      Say(text::kBlotRefuses);
    } else {
      for (const char* line : text::kBlotTalk)
        Say(line);
      game.flags.blotTalked = true;
    }
  } else if (code::kTalkCerule.Holds(c)) {
    Say(text::kTalkCerule);
  } else if (code::kTalkScarlett.Holds(c)) {
    Say(text::kTalkScarlett);
  } else if (code::kTalkJester.Holds(c)) {
    Say(text::kTalkJester);
  }
}

// The stone on the nightstand is never in the room's items; it is handed over, every time.
void NightstandStone(Game& game) {
  const std::int32_t c = game.inputNumber;
  if (code::kTakeNightstandStone.Holds(c)) {
    GiveItem(game, text::kWakingScene, item::kRedStone);
    game.flags.hasRedStone = true;
  } else if (code::kSendForNightstandStone.Holds(c)) {
    GiveItem(game, text::kQuietGrab, item::kRedStone);
    game.flags.hasRedStone = true;
  }
}

}  // namespace

const std::array<RoomScript, 11> kRoomScripts = {
    RoomScript(room_id::kSnowyPath, &F::snowyPathShown, &F::snowyPathVisited)
        .FirstVisit(TextsOf(kPathArrival))
        .Blocked(text::kPathBlocked)
        .OwnCodes(PartyTalk),
    // The head-outside screen comes once, after the living room's first visit.
    RoomScript(room_id::kSnowyYard, &F::snowyYardShown, &F::snowyYardVisited)
        .Interlude(&F::headOutsidePending, text::kHeadOutside)
        .Guarded(kNorthWay, kGate)
        .Scans({{{item::kOrangeKey, &F::hasOrangeKey},
                 {item::kGreenKey, &F::hasGreenKey},
                 {item::kPurpleKey, &F::hasPurpleKey}}}),
    // The blue stone line shows until the stone has been carried to a light outside.
    RoomScript(room_id::kLivingRoom, &F::livingRoomShown, &F::livingRoomVisited)
        .FirstVisit({}, &F::headOutsidePending)
        .OnReturn(text::kBlueStoneNoticed, &F::hasBlueStone)
        .Blocked(text::kLivingRoomWall)
        .Seeds({{{item::kBlueStone, &F::blueStoneSeeded}}}, true),
    RoomScript(room_id::kHallway, &F::hallwayShown, &F::hallwayVisited)
        .Blocked(text::kWall)
        .Guarded(kEastWay, kBedroomDoor)
        .Scans({{{item::kBedroomKey, &F::hasBedroomKey}}}),
    RoomScript(room_id::kBasement, &F::basementShown, &F::basementVisited)
        .Blocked(text::kWall)
        .Seeds({{{item::kShedKey, &F::shedKeySeeded}}}, false)
        .Scans({{{item::kRedStone, &F::hasRedStone}, {item::kYellowStone, &F::hasYellowStone}}})
        .AfterLook(text::kKeyRingHint)
        .Light(kOrangeLight),
    RoomScript(room_id::kBedroom, &F::bedroomShown, &F::bedroomVisited)
        .FirstVisit(TextsOf(kBedroomArrival))
        .Blocked(text::kWall)
        .OwnCodes(NightstandStone)
        // The stone here, red or not, is the one on the nightstand.
        .Aliases({{{code::kTakeStoneByKind, code::kTakeNightstandStone},
                   {code::kTakeRedStoneHere, code::kTakeNightstandStone}}}),
    RoomScript(room_id::kKitchen, &F::kitchenShown, &F::kitchenVisited)
        .Blocked(text::kWall)
        .Seeds({{{item::kYellowStone, &F::yellowStoneSeeded},
                 {item::kBedroomKey, &F::bedroomKeySeeded}}},
               true)
        .AfterLook(text::kCabinetHint),
    RoomScript(room_id::kWornPath, &F::wornPathShown, &F::wornPathVisited)
        .Blocked(text::kFence)
        .Guarded(kWestWay, kShedDoor)
        .Scans({{{item::kShedKey, &F::hasShedKey}}}),
    RoomScript(room_id::kGraveyard, &F::graveyardShown, &F::graveyardVisited)
        .Blocked(text::kFence)
        .Scans({{{item::kRedStone, &F::hasRedStone}, {item::kBlueStone, &F::hasBlueStone}}})
        .Light(kPurpleLight),
    // Only east leads out, although the shed's texts put its door in the west.
    RoomScript(room_id::kFoodShed, &F::foodShedShown, &F::foodShedVisited)
        .Blocked(text::kFence)
        .Scans({{{item::kYellowStone, &F::hasYellowStone}, {item::kBlueStone, &F::hasBlueStone}}})
        .Light(kGreenLight),
    RoomScript(room_id::kCliffsidePath, &F::cliffsidePathShown, &F::cliffsidePathVisited)
        .Blocked(text::kCliff),
};
