#ifndef PRISMORA_GAME_GAME_H_
#define PRISMORA_GAME_GAME_H_

#include <cstddef>
#include <optional>
#include <vector>

#include "game/game_state.h"
#include "game/room_script.h"
#include "input/line_reader.h"

// Where the outer loop stands between two steps of play.
struct PlayPoint {
  bool passStarted = false;  // the top of the outer loop has run for this pass
  std::size_t nextLoop = 0;  // the dispatcher's place in its table of room loops
};

// Plays one step: one title screen and its line, one room turn, the final scene, or the
// closing banner. Returns the exit status once play has ended, and nothing while it goes on.
// RunGame is these steps in a row; tests and fuzzers use them to look at the state in between.
std::optional<int> PlayStep(Game& game, PlayPoint& point);

// What sysexits.h calls an internal software error: the game's own tables disagree.
constexpr int kBrokenTable = 70;

// Checks a table of meanings before play; false, having said on the error stream what is wrong,
// when it is broken.
bool TableIsSound(const std::vector<Row>& shared, const std::vector<RoomScript>& rooms);

// Checks the table of meanings, then plays from the title screen to the closing banner, keeping
// saved games in `saves`. Returns the exit status: 0 after the banner, after quitting on the
// title screen, and when input ends; 70 when the table is broken, having said where.
int RunGame(LineReader& input, SaveStore* saves);

#endif  // PRISMORA_GAME_GAME_H_
