#ifndef PRISMORA_INPUT_RESPONSE_CODES_H_
#define PRISMORA_INPUT_RESPONSE_CODES_H_

#include <cstdint>

// A closed range of response codes (line numbers of the response file).
struct CodeRange {
  std::int32_t first;
  std::int32_t last;
  constexpr bool Holds(std::int32_t code) const { return first <= code && code <= last; }
};

// A range that holds no code, for a row that reacts to none.
constexpr CodeRange kNoCodes{1, 0};

// Every code the game gives a meaning to. Room scripts test these, never bare numbers; the
// response file must put a pattern of that meaning on each of these lines.
namespace code {
constexpr CodeRange kStart{2, 4};
constexpr CodeRange kQuit{5, 6};

// The player's own moves, in every room: take one back, type the last line again; save the game
// (a name may follow the word), bring a saved one back, start again, ask for the score.
constexpr CodeRange kUndo{9, 9};
constexpr CodeRange kAgain{23, 23};
constexpr CodeRange kSave{30, 30};
constexpr CodeRange kRestore{7, 7};
constexpr CodeRange kRestart{8, 8};
constexpr CodeRange kScore{16, 16};
constexpr CodeRange kYes{67, 67};     // the answer that starts the game over
constexpr CodeRange kGoBack{37, 37};  // to the room the player came from

constexpr CodeRange kNorth{10, 15};
constexpr CodeRange kEast{17, 22};
constexpr CodeRange kSouth{24, 29};
constexpr CodeRange kWest{31, 36};
constexpr CodeRange kLook{38, 40};
constexpr CodeRange kHelp{41, 42};  // the guide to the commands, in every room and on the title
constexpr CodeRange kHint{43, 44};  // the next step, worked out from where the player stands

// Words the shared turn resolves from where the player stands (src/game/context_words.cc).
constexpr CodeRange kWaysOut{45, 45};
constexpr CodeRange kUseStones{46, 46};  // no colours named: the stones of this room's light
// A place by name: the room's way out that leads there (src/game/places.cc).
constexpr CodeRange kGoToKitchen{47, 47};
constexpr CodeRange kGoToLivingRoom{48, 48};
constexpr CodeRange kGoToHallway{49, 49};
constexpr CodeRange kGoToBasement{50, 50};
constexpr CodeRange kGoToBedroom{51, 51};
constexpr CodeRange kGoToCabin{52, 52};
constexpr CodeRange kGoOutside{53, 53};
constexpr CodeRange kGoToYard{54, 54};
constexpr CodeRange kGoToWornPath{55, 55};
constexpr CodeRange kGoToFoodShed{56, 56};
constexpr CodeRange kGoToGraveyard{57, 57};
constexpr CodeRange kGoToMountainPath{58, 58};
constexpr CodeRange kGoThroughGate{59, 59};
constexpr CodeRange kGoToWideField{60, 60};
constexpr CodeRange kGoToPath{61, 61};
constexpr CodeRange kGoToPlace{47, 61};
constexpr CodeRange kLeave{62, 62};     // the one way out, or a question which
constexpr CodeRange kOpenDoor{63, 63};  // the room's locked way, or that none is here
constexpr CodeRange kOneStone{64, 64};  // one stone named, where a light wants two

// Someone or something looked at (src/game/sights.cc). The two fathers answer talk as well.
constexpr CodeRange kLookAtBlot{65, 65};
constexpr CodeRange kLookAtCerule{66, 66};

constexpr CodeRange kTalkCerule{68, 72};
constexpr CodeRange kTalkScarlett{75, 84};
constexpr CodeRange kTalkBlot{87, 91};
constexpr CodeRange kTalkJester{94, 103};

// An item named by its kind alone: the one of that kind here, or a question which.
constexpr CodeRange kTakeKeyByKind{105, 105};
constexpr CodeRange kTakeStoneByKind{106, 106};
constexpr CodeRange kTakeRedStoneHere{107,
                                      107};  // the bedroom's stone there, a loose one elsewhere
constexpr CodeRange kDropKeyByKind{108, 108};
constexpr CodeRange kDropStoneByKind{109, 109};
constexpr CodeRange kLookAtScarlett{110, 110};
constexpr CodeRange kLookAtJester{111, 111};

constexpr CodeRange kItemAction{112, 238};
constexpr CodeRange kTakeRedStone{112, 119};
constexpr CodeRange kTakeYellowStone{121, 128};
constexpr CodeRange kTakeBlueStone{130, 137};
constexpr CodeRange kTakeBedroomKey{139, 146};
constexpr CodeRange kTakeShedKey{148, 155};
constexpr CodeRange kTakeOrangeKey{157, 164};
constexpr CodeRange kTakeGreenKey{166, 173};
constexpr CodeRange kTakePurpleKey{175, 182};
constexpr CodeRange kDropRedStone{184, 189};
constexpr CodeRange kDropBlueStone{191, 196};
constexpr CodeRange kDropYellowStone{198, 203};
constexpr CodeRange kDropOrangeKey{205, 210};
constexpr CodeRange kDropGreenKey{212, 217};
constexpr CodeRange kDropPurpleKey{219, 224};
constexpr CodeRange kDropBedroomKey{226, 231};
constexpr CodeRange kDropShedKey{233, 238};

constexpr CodeRange kSunnie{239, 239};
constexpr CodeRange kInventory{240, 250};
constexpr CodeRange kRosen{251, 251};
constexpr CodeRange kLookAtSnow{252, 252};
constexpr CodeRange kLookAtPath{253, 253};
constexpr CodeRange kLookAtCabin{254, 254};
constexpr CodeRange kLookAtGate{255, 255};
constexpr CodeRange kLookAtFence{256, 256};
constexpr CodeRange kLookAtShed{257, 257};
constexpr CodeRange kLookAtGrains{258, 258};
constexpr CodeRange kLookAtGlow{259, 259};  // green or purple; the orange light has its own
constexpr CodeRange kLookAtGraves{260, 260};
constexpr CodeRange kLookAtCliffs{261, 261};
constexpr CodeRange kLookAtTable{262, 262};
constexpr CodeRange kLookAtCabinets{263, 263};

constexpr CodeRange kExamineOrangeLight{264, 265};
constexpr CodeRange kOrangeLightStones{269, 269};
constexpr CodeRange kOrangeLightMagic{270, 270};
constexpr CodeRange kJesterMagic{271, 271};  // acts at all three lights
constexpr CodeRange kTakeNightstandStone{273, 275};
constexpr CodeRange kSendForNightstandStone{276, 276};
constexpr CodeRange kLookAtStove{278, 278};
constexpr CodeRange kPurpleLightStones{279, 279};
constexpr CodeRange kPurpleLightMagic{280, 280};
constexpr CodeRange kGreenLightStones{283, 283};
constexpr CodeRange kGreenLightMagic{284, 284};
constexpr CodeRange kLookAtDoor{281, 281};
constexpr CodeRange kLookAtChildren{282, 282};
constexpr CodeRange kLookAtKeyRing{285, 285};
constexpr CodeRange kLookAtNightstand{286, 286};
// Each item by name, then by its kind alone; last, anything else looked at.
constexpr CodeRange kLookAtRedStone{287, 287};
constexpr CodeRange kLookAtYellowStone{288, 288};
constexpr CodeRange kLookAtBlueStone{289, 289};
constexpr CodeRange kLookAtBedroomKey{290, 290};
constexpr CodeRange kLookAtShedKey{291, 291};
constexpr CodeRange kLookAtOrangeKey{292, 292};
constexpr CodeRange kLookAtGreenKey{293, 293};
constexpr CodeRange kLookAtPurpleKey{294, 294};
constexpr CodeRange kLookAtStone{295, 295};
constexpr CodeRange kLookAtKey{296, 296};
constexpr CodeRange kLookAtThing{297, 297};

// The highest code with a meaning; the response file must be longer than this, because its
// line count is the code of every line it does not understand.
constexpr std::int32_t kHighestMeaningful = 297;
}  // namespace code

// What each meaningful range stands for, for tools that explain codes to people.
struct CodeMeaning {
  CodeRange codes;
  const char* meaning;
};

constexpr CodeMeaning kCodeMeanings[] = {
    {code::kStart, "start the adventure"},
    {code::kQuit, "quit the program"},
    {code::kUndo, "undo the last move"},
    {code::kAgain, "repeat the last line"},
    {code::kRestore, "restore a saved game"},
    {code::kRestart, "start the game over"},
    {code::kScore, "ask for the score"},
    {code::kSave, "save the game"},
    {code::kYes, "yes"},
    {code::kGoBack, "go back"},
    {code::kNorth, "go north"},
    {code::kEast, "go east"},
    {code::kSouth, "go south"},
    {code::kWest, "go west"},
    {code::kLook, "look around"},
    {code::kHelp, "show the help guide"},
    {code::kHint, "give a hint"},
    {code::kWaysOut, "list the ways out"},
    {code::kUseStones, "hold up the stones, no colours named"},
    {code::kGoToKitchen, "go to the kitchen"},
    {code::kGoToLivingRoom, "go to the living room"},
    {code::kGoToHallway, "go to the hallway"},
    {code::kGoToBasement, "go to the basement"},
    {code::kGoToBedroom, "go to the bedroom"},
    {code::kGoToCabin, "go into the cabin"},
    {code::kGoOutside, "go outside"},
    {code::kGoToYard, "go to the yard"},
    {code::kGoToWornPath, "go to the worn path"},
    {code::kGoToFoodShed, "go to the food shed"},
    {code::kGoToGraveyard, "go to the graveyard"},
    {code::kGoToMountainPath, "go to the mountain path"},
    {code::kGoThroughGate, "go through the gate"},
    {code::kGoToWideField, "go to the wide field"},
    {code::kGoToPath, "go to a path"},
    {code::kLeave, "leave the room"},
    {code::kOpenDoor, "open the door, use a key"},
    {code::kOneStone, "hold up one stone"},
    {code::kLookAtBlot, "look at Blot"},
    {code::kLookAtCerule, "look at Cerule"},
    {code::kTalkCerule, "talk to Cerule"},
    {code::kTalkScarlett, "talk to Scarlett"},
    {code::kTalkBlot, "talk to Blot"},
    {code::kTalkJester, "talk to the Jester"},
    {code::kTakeKeyByKind, "take a key, kind only"},
    {code::kTakeStoneByKind, "take a stone, kind only"},
    {code::kTakeRedStoneHere, "take the red stone"},
    {code::kDropKeyByKind, "drop a key, kind only"},
    {code::kDropStoneByKind, "drop a stone, kind only"},
    {code::kLookAtScarlett, "look at Scarlett"},
    {code::kLookAtJester, "look at the Jester"},
    {code::kTakeRedStone, "take Red Stone"},
    {code::kTakeYellowStone, "take Yellow Stone"},
    {code::kTakeBlueStone, "take Blue Stone"},
    {code::kTakeBedroomKey, "take Bedroom Key"},
    {code::kTakeShedKey, "take Shed Key"},
    {code::kTakeOrangeKey, "take Orange Key"},
    {code::kTakeGreenKey, "take Green Key"},
    {code::kTakePurpleKey, "take Purple Key"},
    {code::kDropRedStone, "drop Red Stone"},
    {code::kDropBlueStone, "drop Blue Stone"},
    {code::kDropYellowStone, "drop Yellow Stone"},
    {code::kDropOrangeKey, "drop Orange Key"},
    {code::kDropGreenKey, "drop Green Key"},
    {code::kDropPurpleKey, "drop Purple Key"},
    {code::kDropBedroomKey, "drop Bedroom Key"},
    {code::kDropShedKey, "drop Shed Key"},
    {code::kSunnie, "talk to or look at Sunnie"},
    {code::kInventory, "show the inventory"},
    {code::kRosen, "talk to or look at Rosen"},
    {code::kLookAtSnow, "look at the snow"},
    {code::kLookAtPath, "look at the path"},
    {code::kLookAtCabin, "look at the cabin"},
    {code::kLookAtGate, "look at the gate"},
    {code::kLookAtFence, "look at the fence"},
    {code::kLookAtShed, "look at the food shed"},
    {code::kLookAtGrains, "look at the grains"},
    {code::kLookAtGlow, "look at a green or purple glow"},
    {code::kLookAtGraves, "look at the gravestones"},
    {code::kLookAtCliffs, "look at the cliffs"},
    {code::kLookAtTable, "look at the table"},
    {code::kLookAtCabinets, "look at the cabinets"},
    {code::kExamineOrangeLight, "examine the orange light"},
    {code::kOrangeLightStones, "hold the red and yellow stones up to the orange light"},
    {code::kOrangeLightMagic, "you and Scarlett cast at the orange light"},
    {code::kJesterMagic, "the Jester casts at the light"},
    {code::kTakeNightstandStone, "take the red stone from the nightstand"},
    {code::kSendForNightstandStone, "send a party member for the red stone"},
    {code::kLookAtStove, "look at the stove"},
    {code::kPurpleLightStones, "hold the red and blue stones up to the purple light"},
    {code::kPurpleLightMagic, "Cerule and Scarlett cast at the purple light"},
    {code::kGreenLightStones, "hold the yellow and blue stones up to the green light"},
    {code::kGreenLightMagic, "you and Cerule cast at the green light"},
    {code::kLookAtDoor, "look at a door"},
    {code::kLookAtChildren, "look at the children's rooms"},
    {code::kLookAtKeyRing, "look at the key ring"},
    {code::kLookAtNightstand, "look at the nightstand"},
    {code::kLookAtRedStone, "look at Red Stone"},
    {code::kLookAtYellowStone, "look at Yellow Stone"},
    {code::kLookAtBlueStone, "look at Blue Stone"},
    {code::kLookAtBedroomKey, "look at Bedroom Key"},
    {code::kLookAtShedKey, "look at Shed Key"},
    {code::kLookAtOrangeKey, "look at Orange Key"},
    {code::kLookAtGreenKey, "look at Green Key"},
    {code::kLookAtPurpleKey, "look at Purple Key"},
    {code::kLookAtStone, "look at a stone, kind only"},
    {code::kLookAtKey, "look at a key, kind only"},
    {code::kLookAtThing, "look at anything else"},
};

// The meaning of a code, or nullptr when the game gives it none.
inline const char* MeaningOf(std::int32_t value) {
  for (const CodeMeaning& entry : kCodeMeanings) {
    if (entry.codes.Holds(value))
      return entry.meaning;
  }
  return nullptr;
}

#endif  // PRISMORA_INPUT_RESPONSE_CODES_H_
