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

constexpr CodeRange kTalkCerule{68, 72};
constexpr CodeRange kTalkScarlett{75, 84};
constexpr CodeRange kTalkBlot{87, 91};
constexpr CodeRange kTalkJester{94, 103};

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
    {code::kTalkCerule, "talk to Cerule"},
    {code::kTalkScarlett, "talk to Scarlett"},
    {code::kTalkBlot, "talk to Blot"},
    {code::kTalkJester, "talk to the Jester"},
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
