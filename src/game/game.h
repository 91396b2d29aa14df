#ifndef PRISMORA_GAME_GAME_H_
#define PRISMORA_GAME_GAME_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/hints.h"
#include "game/story_flags.h"
#include "input/line_reader.h"
#include "world/world.h"

class SaveStore;

// What undo takes back: everything a move can change.
struct Moment {
  World world;
  StoryFlags flags;
  std::optional<HintSituation> hintSituation;
  std::optional<RoomId> cameFrom;
};

// The whole state of one play: owned by RunGame and handed to the room loops it runs. The room
// whose loop runs is the one the player stands in, world.location.
struct Game {
  explicit Game(LineReader& reader) : input(&reader) {}

  World world;
  std::string PlayerInput;
  std::int32_t inputNumber = 0;
  StoryFlags flags;
  // The situation the last hint was given in (hints.h), so that asking again gets the plain
  // words. Not a story fact: nothing the rooms do reads it.
  std::optional<HintSituation> hintSituation;
  // The room the player last walked out of, for "go back"; none before the first move.
  std::optional<RoomId> cameFrom;
  // The moment before each move, latest last: "undo" goes back one (src/game/undo.h).
  std::vector<Moment> undo;
  // The last line typed that was not "again", which "again" types once more.
  std::optional<std::string> lastLine;
  // Said after the room the next turn shows, which would otherwise clear it off the screen.
  std::optional<Text> afterEntry;

  LineReader* input;
  SaveStore* saves = nullptr;  // where save and restore keep games; none: nowhere to keep them
  bool inputEnded = false;     // no more lines will come: the game ends quietly
};

// Where the outer loop stands between two steps of play.
struct PlayPoint {
  bool passStarted = false;  // the top of the outer loop has run for this pass
  std::size_t nextLoop = 0;  // the dispatcher's place in its table of room loops
};

// Plays one step: one title screen and its line, one room turn, the final scene, or the
// closing banner. Returns the exit status once play has ended, and nothing while it goes on.
// RunGame is these steps in a row; tests and fuzzers use them to look at the state in between.
std::optional<int> PlayStep(Game& game, PlayPoint& point);

// Plays from the title screen to the closing banner, keeping saved games in `saves`. Returns the
// exit status: 0 after the banner, after quitting on the title screen, and when input ends.
int RunGame(LineReader& input, SaveStore* saves);

#endif  // PRISMORA_GAME_GAME_H_
