#include "game_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <type_traits>
#include <vector>

#include "fuzz_support.h"
#include "game/game.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "text/console.h"

namespace {

// Everything the story is made of.
struct Snapshot {
  World world;
  StoryFlags flags;
};
static_assert(std::has_unique_object_representations_v<StoryFlags>,
              "StoryFlags is compared byte for byte");

Snapshot Take(const Game& game) {
  return {game.world, game.flags};
}

bool SameStory(const Snapshot& a, const Snapshot& b) {
  if (a.world.location != b.world.location || a.world.inventory != b.world.inventory)
    return false;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (a.world.rooms[i].items != b.world.rooms[i].items)
      return false;
  }
  return std::memcmp(&a.flags, &b.flags, sizeof(StoryFlags)) == 0;
}

// The same lines with every help and hint token turned into c7, a line without meaning.
std::string WithoutHelpAndHints(const std::string& lines) {
  std::istringstream in(lines);
  std::string out;
  for (std::string line; std::getline(in, line);) {
    std::string token = line.substr(0, line.find('\r'));
    LowercaseAscii(token);
    if (token.size() > 1 && token.size() < 5 && token[0] == 'c' &&
        token.find_first_not_of("0123456789", 1) == std::string::npos) {
      const std::int32_t number = std::stoi(token.substr(1));
      if (code::kHelp.Holds(number) || code::kHint.Holds(number))
        line = "c7" + line.substr(token.size());
    }
    out += line + (in.eof() ? "" : "\n");
  }
  return out;
}

}  // namespace

std::string CheckGame(const std::string& lines) {
  NullBuffer sink;
  std::ostream nowhere(&sink);
  const ConsoleRedirect quiet(nowhere, nowhere);
  std::istringstream in(lines);
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;
  // Played alongside only when the lines hold help or hints.
  const std::string twinLines = WithoutHelpAndHints(lines);
  std::istringstream twinIn(twinLines);
  LineReader twinReader{&twinIn};
  Game twin(twinReader);
  PlayPoint twinPoint;

  const auto position = [&in] { return in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in); };
  const long stepLimit = 2 * static_cast<long>(std::count(lines.begin(), lines.end(), '\n')) + 10;
  std::string problem;
  std::optional<int> status;
  for (long step = 1; !status && problem.empty(); ++step) {
    if (step > stepLimit) {
      problem = "the game keeps going without reading input";
      break;
    }
    const Snapshot before = Take(game);
    status = PlayStep(game, point);
    const Snapshot after = Take(game);
    if (twinLines != lines) {
      const std::optional<int> twinStatus = PlayStep(twin, twinPoint);
      if (twinStatus != status || !SameStory(Take(twin), after) ||
          twinPoint.passStarted != point.passStarted || twinPoint.nextLoop != point.nextLoop)
        problem = "help or a hint changed the game";
    }
    if (!problem.empty()) {
      problem = "step " + std::to_string(step) + ", code " + std::to_string(game.inputNumber) +
                " in " + TextsOf(before.world.location).place + ": " + problem;
    }
  }
  if (problem.empty() && *status != 0)
    problem = "the game ended with status " + std::to_string(*status);
  if (problem.empty() && position() != static_cast<std::streamoff>(lines.size()) &&
      !game.flags.gameOver && game.flags.titleDone)
    problem = "the game ended before its input did, without reaching the banner";
  return problem;
}
