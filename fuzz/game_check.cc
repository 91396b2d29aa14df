#include "game_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <type_traits>
#include <vector>

#include "fuzz_support.h"
#include "game/game.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_names.h"
#include "world/room_ids.h"

namespace {

// Where items enter the game. A room puts an item down once, with its seed flag; a gift comes
// one per turn with one of its codes in its room, and a `maybe` gift only when both stones have
// been seen. The bedroom takes the stone named by its kind, or as the red stone, as its
// nightstand code, and leaves that code behind.
struct Gift {
  const char* room;
  CodeRange codes;
  const char* item;
  bool maybe;
};
constexpr Gift kGifts[] = {
    {room_id::kBedroom, code::kTakeNightstandStone, item::kRedStone, false},
    {room_id::kBedroom, code::kSendForNightstandStone, item::kRedStone, false},
    {room_id::kBasement, code::kOrangeLightStones, item::kOrangeKey, true},
    {room_id::kBasement, code::kUseStones, item::kOrangeKey, true},
    {room_id::kBasement, code::kOrangeLightMagic, item::kOrangeKey, false},
    {room_id::kBasement, code::kJesterMagic, item::kOrangeKey, false},
    {room_id::kGraveyard, code::kPurpleLightStones, item::kPurpleKey, true},
    {room_id::kGraveyard, code::kUseStones, item::kPurpleKey, true},
    {room_id::kGraveyard, code::kPurpleLightMagic, item::kPurpleKey, false},
    {room_id::kGraveyard, code::kJesterMagic, item::kPurpleKey, false},
    {room_id::kFoodShed, code::kGreenLightStones, item::kGreenKey, true},
    {room_id::kFoodShed, code::kUseStones, item::kGreenKey, true},
    {room_id::kFoodShed, code::kGreenLightMagic, item::kGreenKey, false},
    {room_id::kFoodShed, code::kJesterMagic, item::kGreenKey, false},
};
struct Placement {
  const char* room;
  const char* item;
  bool StoryFlags::*seeded;
};
constexpr Placement kPlacements[] = {
    {room_id::kLivingRoom, item::kBlueStone, &StoryFlags::blueStoneSeeded},
    {room_id::kKitchen, item::kYellowStone, &StoryFlags::yellowStoneSeeded},
    {room_id::kKitchen, item::kBedroomKey, &StoryFlags::bedroomKeySeeded},
    {room_id::kBasement, item::kShedKey, &StoryFlags::shedKeySeeded},
};

// Everything the story is made of.
struct Snapshot {
  std::map<std::string, int> counts;
  std::vector<std::vector<std::string>> roomItems;
  std::vector<std::string> inventory;
  StoryFlags flags;
  std::string room;  // the identifier of the room the player stands in
};
static_assert(std::has_unique_object_representations_v<StoryFlags>,
              "StoryFlags is compared byte for byte");

Snapshot Take(const Game& game) {
  Snapshot shot;
  for (const auto& room : game.world.rooms) {
    shot.roomItems.push_back(room->items);
    for (const std::string& name : room->items)
      ++shot.counts[name];
  }
  shot.inventory = game.world.inventory;
  for (const std::string& name : game.world.inventory)
    ++shot.counts[name];
  shot.flags = game.flags;
  const char* id = RoomIdOf(game.world, game.world.location);
  shot.room = id != nullptr ? id : "";
  return shot;
}

bool SameStory(const Snapshot& a, const Snapshot& b) {
  return a.room == b.room && a.inventory == b.inventory && a.roomItems == b.roomItems &&
         std::memcmp(&a.flags, &b.flags, sizeof(StoryFlags)) == 0;
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

// What one step did to the item lists that the ways items enter the game do not explain.
std::string ItemProblem(const Snapshot& before, const Snapshot& after, bool turnPlayed,
                        std::int32_t code) {
  std::map<std::string, int> expected;
  std::map<std::string, bool> maybe;
  for (const Placement& placement : kPlacements) {
    if (before.flags.*placement.seeded || !(after.flags.*placement.seeded))
      continue;
    if (!turnPlayed || before.room != placement.room)
      return std::string(placement.item) + " put down outside its room";
    ++expected[placement.item];
  }
  for (const Gift& gift : kGifts) {
    if (turnPlayed && before.room == gift.room && gift.codes.Holds(code)) {
      ++expected[gift.item];
      maybe[gift.item] = gift.maybe;
    }
  }
  std::map<std::string, int> change;
  for (const auto& [name, count] : after.counts)
    change[name] += count;
  for (const auto& [name, count] : before.counts)
    change[name] -= count;
  for (const auto& [name, count] : expected)
    change.emplace(name, 0);
  for (const auto& [name, delta] : change) {
    const int want = expected[name];
    if (delta != want && !(maybe[name] && delta == want - 1))
      return name + " count changed by " + std::to_string(delta) + ", expected " +
             std::to_string(want);
  }
  return "";
}

}  // namespace

std::string CheckGame(const std::string& lines, bool verbose) {
  NullBuffer sink;
  std::streambuf* const saved = std::cout.rdbuf(&sink);
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
    const auto read = position();
    status = PlayStep(game, point);
    const Snapshot after = Take(game);
    const bool turnPlayed = before.flags.titleDone && position() != read;
    if (verbose) {
      std::cerr << "step " << step << ": " << before.room << ", \"" << game.PlayerInput
                << "\" code " << game.inputNumber << " -> " << after.room << "\n";
    }
    if (after.room.empty()) {
      problem = "location is not one of the twelve rooms";
    } else if (game.currentRoom != after.room) {
      problem = "currentRoom does not name the room the player stands in";
    } else {
      problem = ItemProblem(before, after, turnPlayed, game.inputNumber);
    }
    if (problem.empty() && twinLines != lines) {
      const std::optional<int> twinStatus = PlayStep(twin, twinPoint);
      if (twinStatus != status || !SameStory(Take(twin), after) ||
          twinPoint.passStarted != point.passStarted || twinPoint.nextLoop != point.nextLoop)
        problem = "help or a hint changed the game";
    }
    if (!problem.empty()) {
      problem = "step " + std::to_string(step) + ", code " + std::to_string(game.inputNumber) +
                " in " + before.room + ": " + problem;
    }
  }
  std::cout.rdbuf(saved);
  if (problem.empty() && *status != 0)
    problem = "the game ended with status " + std::to_string(*status);
  if (problem.empty() && position() != static_cast<std::streamoff>(lines.size()) &&
      !game.flags.gameOver && game.flags.titleDone)
    problem = "the game ended before its input did, without reaching the banner";
  return problem;
}
