#include "game_check.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "game/game.h"
#include "game/hints.h"
#include "game/room_table.h"
#include "game/undo.h"
#include "input/match_response.h"
#include "memory_store.h"
#include "response_codes.h"
#include "save/save_file.h"
#include "text/console.h"

namespace {

// Undo must give back all of it, the hint's memory and the way back included. Compared field by
// field here, so that undo's own idea of a changed story is not the judge of undo.
bool SameMoment(const Moment& a, const Moment& b) {
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (a.world.rooms[i].items != b.world.rooms[i].items)
      return false;
  }
  const StoryFlags& f = a.flags;
  const StoryFlags& g = b.flags;
  return a.world.location == b.world.location && a.world.inventory == b.world.inventory &&
         f.titleDone == g.titleDone && f.gameOver == g.gameOver && f.shown == g.shown &&
         f.visited == g.visited && f.seeded == g.seeded && f.has == g.has &&
         f.blotTalked == g.blotTalked && f.gateInspected == g.gateInspected &&
         f.headOutsidePending == g.headOutsidePending && f.shimmerNoticed == g.shimmerNoticed &&
         a.hintSituation == b.hintSituation && a.cameFrom == b.cameFrom;
}

// The same lines with every help and hint token turned into c1: line 1 never has a meaning.
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
        line = "c1" + line.substr(token.size());
    }
    out += line + (in.eof() ? "" : "\n");
  }
  return out;
}

// A hint that sends the player on through a way out names a way the turn lets them through:
// a copy of the game is walked that way, and must arrive where the way leads.
bool HintWalksAnOpenWay(const Game& game) {
  if (!game.flags.titleDone || ScriptOf(game.world.location) == nullptr)
    return true;
  const Hint hint = HintFor(game.world, game.flags);
  if (!hint.nudgeWay)
    return true;
  for (Direction way : kDirections) {
    if (DataOf(way).typeIt != hint.plain)
      continue;
    const std::optional<RoomId> to = game.world.Here().Way(way);
    std::istringstream line("c" + std::to_string(DataOf(way).codes.first) + "\n");
    LineReader reader{&line};
    Game walker(reader);
    Restore(walker, MomentOf(game));
    PlayPoint point{true, 0};
    PlayStep(walker, point);
    return to && walker.world.location == *to;
  }
  return false;
}

// Past the title and in a room with turns: a game that can be saved.
bool InPlay(const Game& game) {
  return game.flags.titleDone && !game.flags.gameOver && ScriptOf(game.world.location) != nullptr;
}

// A game made from a saved game's text alone, with only what no file holds taken from the
// game it was saved from: the undo history, the last line, a note waiting for the next room,
// the dispatcher's place and the saved games around it.
struct Fork {
  Fork(const Game& from, const PlayPoint& at, const Moment& saved, std::string rest,
       const MemoryStore& saves)
      : in(std::move(rest)), reader{&in}, game(reader), point(at), store(saves) {
    Restore(game, saved);
    game.undo = from.undo;
    game.lastLine = from.lastLine;
    game.afterEntry = from.afterEntry;
    game.saves = &store;
  }
  std::istringstream in;
  LineReader reader;
  Game game;
  PlayPoint point;
  MemoryStore store;
};

}  // namespace

std::string CheckGame(const std::string& lines) {
  NullBuffer sink;
  std::ostream nowhere(&sink);
  const ConsoleRedirect quiet(nowhere, nowhere);
  std::istringstream in(lines);
  LineReader reader{&in};
  Game game(reader);
  MemoryStore saves;
  game.saves = &saves;
  PlayPoint point;
  // Played alongside only when the lines hold help or hints.
  const std::string twinLines = WithoutHelpAndHints(lines);
  std::istringstream twinIn(twinLines);
  LineReader twinReader{&twinIn};
  Game twin(twinReader);
  MemoryStore twinSaves;
  twin.saves = &twinSaves;
  PlayPoint twinPoint;
  // From the first moment in play at or after this step, a game restored from a save of it
  // plays alongside, and must say exactly what this one says.
  const long forkStep = 1 + static_cast<long>(lines.size() % 29);
  std::optional<Fork> fork;
  std::ostringstream said, forkSaid;

  const auto position = [&in] { return in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in); };
  const long stepLimit = 2 * static_cast<long>(std::count(lines.begin(), lines.end(), '\n')) + 10;
  std::vector<Moment> moves;  // the moment before each move the game took, as seen from here
  std::string problem;
  std::optional<int> status;
  for (long step = 1; !status && problem.empty(); ++step) {
    if (step > stepLimit) {
      problem = "the game keeps going without reading input";
      break;
    }
    const Moment before = MomentOf(game);
    const std::size_t depth = game.undo.size();
    said.str("");
    {
      const ConsoleRedirect toGame(said, nowhere);
      status = PlayStep(game, point);
    }
    const Moment after = MomentOf(game);
    if (before.flags.titleDone && !game.flags.titleDone) {
      moves.clear();  // started over: no move of the game before is taken back
    } else if (game.undo.size() == depth + 1) {
      moves.push_back(before);
    } else if (game.undo.size() + 1 == depth) {
      if (moves.empty() || !SameMoment(after, moves.back()))
        problem = "undo did not restore the moment before the move";
      else
        moves.pop_back();
    } else if (game.undo.size() != depth) {
      problem = "one step changed the undo history by more than one move";
    }
    if (fork) {
      forkSaid.str("");
      const ConsoleRedirect toFork(forkSaid, nowhere);
      if (PlayStep(fork->game, fork->point) != status || forkSaid.str() != said.str())
        problem = "a game restored from a save did not play on as the game saved";
    }
    if (InPlay(game)) {
      const SaveReading reading = ReadSave(WriteSave(after));
      if (!reading.moment || !SameMoment(*reading.moment, after))
        problem = "a saved game did not read back as the same game";
      else if (!fork && step >= forkStep)
        fork.emplace(game, point, *reading.moment,
                     lines.substr(static_cast<std::size_t>(position())), saves);
    }
    if (!HintWalksAnOpenWay(game))
      problem = "a hint points through a way the turn keeps shut";
    if (twinLines != lines) {
      const std::optional<int> twinStatus = PlayStep(twin, twinPoint);
      Moment twinAfter = MomentOf(twin);
      // At the yard's one-time screen a hint shows the yard first, which the twin does a turn
      // later.
      if (Shown(after.flags, after.world.location))
        Shown(twinAfter.flags, after.world.location) = true;
      if (twinStatus != status || !SameStory(twinAfter, after) ||
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
