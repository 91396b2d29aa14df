#ifndef PRISMORA_GAME_STORY_TEXTS_H_
#define PRISMORA_GAME_STORY_TEXTS_H_

#include <cstddef>

// Everything the game says apart from the room texts (declared with the world) and the item
// messages (which are built from item names). Each is printed as it stands, then a line end.
// The texts are written in data/story.txt, under these names; the build generates their
// definitions from it, and reads this header to know which names to expect.
namespace text {

constexpr std::size_t kTitleLineCount = 7;
extern const char* const kTitle[kTitleLineCount];
extern const char kBannerRule[];
extern const char kBannerThanks[];

extern const char kPrompt[];

// Mountain path and the party.
extern const char kPathArrival[];
extern const char kBlotArrival[];
extern const char kPathBlocked[];
extern const char kTalkBlotHeading[];
extern const char kBlotRefuses[];
constexpr std::size_t kBlotTalkCount = 5;
extern const char* const kBlotTalk[kBlotTalkCount];
extern const char kTalkCerule[];
extern const char kTalkScarlett[];
extern const char kTalkJester[];

// Snowy yard and the gate.
extern const char kHeadOutside[];
constexpr std::size_t kGateSceneCount = 13;
extern const char* const kGateScene[kGateSceneCount];
extern const char kGateReminder[];

// Worn path, graveyard, food shed.
extern const char kFence[];
extern const char kShedLocked[];
extern const char kStonesMissing[];
extern const char kPurpleStones[];
extern const char kPurpleMagic[];
extern const char kPurpleJester[];
extern const char kGreenStones[];
extern const char kGreenMagic[];
extern const char kGreenJester[];

// Cliffside path.
extern const char kCliff[];

// Cabin.
extern const char kWall[];
extern const char kLivingRoomWall[];
extern const char kBlueStoneNoticed[];
extern const char kCabinetHint[];
extern const char kBedroomLocked[];
extern const char kBedroomChoice[];
extern const char kWakingScene[];
extern const char kQuietGrab[];
extern const char kKeyRingHint[];
constexpr std::size_t kOrangeLightLookCount = 2;
extern const char* const kOrangeLightLook[kOrangeLightLookCount];
extern const char kOrangeLightStonesHint[];
extern const char kOrangeStones[];
extern const char kOrangeMagic[];
extern const char kOrangeJester[];

}  // namespace text

#endif  // PRISMORA_GAME_STORY_TEXTS_H_
