#ifndef PRISMORA_GAME_GAME_STATE_H_
#define PRISMORA_GAME_GAME_STATE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/story_flags.h"
#include "input/line_reader.h"
#include "story_data.h"
#include "world/world.h"

class SaveStore;

// The same hint step seen from the same place: its nudge, the room it is done in and the room
// the player stands in (none on the title screen). Asked again in the same situation, a hint
// gives the plain words to type.
struct HintSituation {
  Text nudge = Text::kHintLookAround;
  std::optional<RoomId> goal;
  std::optional<RoomId> here;
};
bool operator==(const HintSituation& a, const HintSituation& b);

// What undo takes back: everything a move can change.
struct Moment {
  World world;
  StoryFlags flags;
  std::optional<HintSituation> hintSituation;
  std::optional<RoomId> cameFrom;
};

// The whole state of one play, handed to every turn. The room whose turn is played is the one
// the player stands in, world.location.
struct Game {
  explicit Game(LineReader& reader) : input(&reader) {}

  World world;
  std::string PlayerInput;
  std::int32_t inputNumber = 0;
  StoryFlags flags;
  // The situation the last hint was given in, so that asking again gets the plain words. Not a
  // story fact: nothing the rooms do reads it.
  std::optional<HintSituation> hintSituation;
  // The room the player last walked out of, for "go back"; none before the first move.
  std::optional<RoomId> cameFrom;
  // The moment before each move, latest last: "undo" goes back one (src/game/undo.h).
  std::vector<Moment> undo;
  // The last line typed that was not "again", which "again" types once more.
  std::optional<std::string> lastLine;
  // Said after the room the next turn shows, which would otherwise clear it off the screen.
  std::optional<Text> afterEntry;
  // The title block stays off the screen for one line: at a terminal the help guide is left
  // last on the screen, where the block would push it off.
  bool titleHeldBack = false;

  LineReader* input;
  SaveStore* saves = nullptr;  // where save and restore keep games; none: nowhere to keep them
  bool ended = false;  // the player quit, or no more lines will come: play ends with status 0
};

#endif  // PRISMORA_GAME_GAME_STATE_H_
