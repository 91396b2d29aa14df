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

constexpr CodeRange kInventory{240, 250};

constexpr CodeRange kExamineOrangeLight{264, 265};
constexpr CodeRange kOrangeLightStones{269, 269};
constexpr CodeRange kOrangeLightMagic{270, 270};
constexpr CodeRange kJesterMagic{271, 271};  // acts at all three lights
constexpr CodeRange kTakeNightstandStone{273, 275};
constexpr CodeRange kSendForNightstandStone{276, 276};
constexpr CodeRange kPurpleLightStones{279, 279};
constexpr CodeRange kPurpleLightMagic{280, 280};
constexpr CodeRange kGreenLightStones{283, 283};
constexpr CodeRange kGreenLightMagic{284, 284};

// The highest code with a meaning; the response file must be longer than this, because its
// line count is the code of every line it does not understand.
constexpr std::int32_t kHighestMeaningful = 284;
}  // namespace code

// What each meaningful range stands for, for tools that explain codes to people.
struct CodeMeaning {
  CodeRange codes;
  const char* meaning;
};

constexpr CodeMeaning kCodeMeanings[] = {
    {code::kStart, "start the adventure"},
    {code::kQuit, "quit the program"},
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
    {code::kTalkCerule, "talk to Cerule"},
    {code::kTalkScarlett, "talk to Scarlett"},
    {code::kTalkBlot, "talk to Blot"},
    {code::kTalkJester, "talk to the Jester"},
    {code::kTakeKeyByKind, "take a key, kind only"},
    {code::kTakeStoneByKind, "take a stone, kind only"},
    {code::kTakeRedStoneHere, "take the red stone"},
    {code::kDropKeyByKind, "drop a key, kind only"},
    {code::kDropStoneByKind, "drop a stone, kind only"},
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
    {code::kInventory, "show the inventory"},
    {code::kExamineOrangeLight, "examine the orange light"},
    {code::kOrangeLightStones, "hold the red and yellow stones up to the orange light"},
    {code::kOrangeLightMagic, "you and Scarlett cast at the orange light"},
    {code::kJesterMagic, "the Jester casts at the light"},
    {code::kTakeNightstandStone, "take the red stone from the nightstand"},
    {code::kSendForNightstandStone, "send a party member for the red stone"},
    {code::kPurpleLightStones, "hold the red and blue stones up to the purple light"},
    {code::kPurpleLightMagic, "Cerule and Scarlett cast at the purple light"},
    {code::kGreenLightStones, "hold the yellow and blue stones up to the green light"},
    {code::kGreenLightMagic, "you and Cerule cast at the green light"},
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
