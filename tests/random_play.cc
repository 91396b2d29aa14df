// Random play: thousands of seeded command sequences played against the game in-process, with
// the world checked after every step. Each sequence is reproducible from its seed alone:
//   prismora_random_play                 the default games (seeds 1 to N)
//   PRISMORA_RANDOM_PLAY_GAMES=100000    more of them
//   PRISMORA_RANDOM_PLAY_SEED=1234       just that one, telling every step
// Invariants: the game never crashes or stops reading; location is one of the twelve rooms and
// currentRoom names it; item entries are never lost or duplicated: the count of each name over
// all rooms and the inventory changes only where a room places or gives that item; the end of
// input always ends the game with status 0; help and hints change nothing: a twin game given a
// line without meaning in their place is the same game, step for step.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "game/game.h"
#include "input/line_reader.h"
#include "input/match_response.h"
#include "input/response_codes.h"
#include "items/item_names.h"
#include "test_support.h"
#include "world/room_ids.h"
#include "world/world.h"

namespace {

constexpr const char* kItems[] = {item::kRedStone,   item::kYellowStone, item::kBlueStone,
                                  item::kBedroomKey, item::kShedKey,     item::kOrangeKey,
                                  item::kGreenKey,   item::kPurpleKey};

// Where items enter the game. Placed items arrive once, with their room's seed flag; given
// items arrive one per turn with one of their codes in their room. `maybe` codes give only
// when both stones have been seen, so they may also give nothing. The bedroom reads the stone
// named by its kind or as the red stone as its nightstand code, and leaves that code behind.
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

// The whole game through the tokens, so that a prefix of it takes play deep into the story.
constexpr int kWalkthrough[] = {2,  10, 17, 130, 24, 121, 139, 10, 17,  17, 273, 31,  10, 148, 269,
                                24, 31, 31, 31,  31, 283, 17,  10, 279, 24, 17,  240, 10, 10};

struct Snapshot {
  std::map<std::string, int> counts;
  std::vector<std::vector<std::string>> roomItems;
  std::vector<std::string> inventory;
  StoryFlags flags;
  std::string room;  // identifier of the room the player stands in
};

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

// Draws the lines of one game.
class Player {
 public:
  explicit Player(std::uint64_t seed) : rng_(seed) {}

  std::string Lines() {
    std::string out;
    if (Chance(0.3)) {
      const int prefix = Uniform(1, static_cast<int>(std::size(kWalkthrough)));
      for (int i = 0; i < prefix; ++i)
        out += Token(kWalkthrough[i]);
    } else if (Chance(0.9)) {
      out += Token(Uniform(code::kStart.first, code::kStart.last));
    }
    const int count = Chance(0.1) ? Uniform(0, 200) : Uniform(0, 25);
    for (int i = 0; i < count; ++i)
      out += Line();
    if (!out.empty() && Chance(0.2))
      out.pop_back();  // input that ends in the middle of a line
    return out;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  std::string Token(int number) {
    return (Chance(0.1) ? "C" : "c") + std::to_string(number) + (Chance(0.05) ? "\r\n" : "\n");
  }

  std::string Line() {
    const double kind = std::uniform_real_distribution<double>(0, 1)(rng_);
    if (kind < 0.65) {
      const CodeMeaning& meaning =
          kCodeMeanings[Uniform(0, static_cast<int>(std::size(kCodeMeanings)) - 1)];
      return Token(Uniform(meaning.codes.first, meaning.codes.last));
    }
    if (kind < 0.9)
      return Token(Uniform(0, 301));  // every line of the file, and just past both ends
    return Junk() + "\n";
  }

  std::string Junk() {
    switch (Uniform(0, 5)) {
      case 0:
        return "";
      case 1:
        return "c" + std::to_string(Uniform(1, 300)) + " ";
      case 2:
        return std::string(Uniform(250, 3000), 'c');
      case 3:
        return std::string("c1") + '\0' + "0";
      default: {
        std::string bytes(Uniform(1, 40), ' ');
        for (char& c : bytes) {
          c = static_cast<char>(Uniform(0, 255));
          if (c == '\n')
            c = 'x';
        }
        return bytes;
      }
    }
  }

  std::mt19937_64 rng_;
};

struct Tally {
  std::array<long, kRoomCount> roomsReached{};
  std::map<std::string, long> itemsHeld;
  long banners = 0;
  long steps = 0;
};

class Failure {
 public:
  explicit Failure(std::uint64_t seed) : seed_(seed) {}
  bool failed() const { return failed_; }
  void operator()(long step, const std::string& what) {
    if (!failed_)
      std::cerr << "random play: seed " << seed_ << ", step " << step << ": " << what << "\n";
    failed_ = true;
  }

 private:
  std::uint64_t seed_;
  bool failed_ = false;
};

// The same lines with every help and hint token turned into c7, a line without meaning.
std::string WithoutHelpAndHints(const std::string& lines) {
  std::string out;
  std::size_t start = 0;
  while (start < lines.size()) {
    std::size_t end = lines.find('\n', start);
    end = end == std::string::npos ? lines.size() : end;
    std::string line = lines.substr(start, end - start);
    const bool carriageReturn = !line.empty() && line.back() == '\r';
    std::string token = carriageReturn ? line.substr(0, line.size() - 1) : line;
    LowercaseAscii(token);
    if (token.size() > 1 && token.size() < 5 && token[0] == 'c' &&
        token.find_first_not_of("0123456789", 1) == std::string::npos) {
      const std::int32_t number = std::stoi(token.substr(1));
      if (code::kHelp.Holds(number) || code::kHint.Holds(number))
        line = carriageReturn ? "c7\r" : "c7";
    }
    out += line;
    if (end < lines.size())
      out += '\n';
    start = end + 1;
  }
  return out;
}

// Everything the story is made of: where the player stands, the flags and every item list.
static_assert(std::has_unique_object_representations_v<StoryFlags>,
              "StoryFlags is compared byte for byte");
bool SameStory(const Snapshot& a, const Snapshot& b) {
  return a.room == b.room && a.inventory == b.inventory && a.roomItems == b.roomItems &&
         std::memcmp(&a.flags, &b.flags, sizeof(StoryFlags)) == 0;
}

// Checks one step's changes to the item lists against the ways items may enter the game.
void CheckItems(const Snapshot& before, const Snapshot& after, bool turnPlayed, std::int32_t code,
                long step, Failure& fail) {
  std::map<std::string, int> placed;
  long placedCount = 0;
  for (const Placement& placement : kPlacements) {
    const bool seededNow = !(before.flags.*placement.seeded) && after.flags.*placement.seeded;
    if (!seededNow)
      continue;
    if (!turnPlayed || before.room != placement.room)
      fail(step, std::string(placement.item) + " placed outside its room, in " + before.room);
    ++placed[placement.item];
    ++placedCount;
  }
  std::map<std::string, int> given;
  std::map<std::string, bool> maybe;
  if (turnPlayed) {
    for (const Gift& gift : kGifts) {
      if (before.room == gift.room && gift.codes.Holds(code)) {
        ++given[gift.item];
        maybe[gift.item] = gift.maybe;
      }
    }
  }
  for (const char* name : kItems) {
    const auto count = [name](const Snapshot& shot) {
      const auto found = shot.counts.find(name);
      return found == shot.counts.end() ? 0 : found->second;
    };
    const int change = count(after) - count(before);
    const int expected = placed[name] + given[name];
    const bool ok = change == expected || (maybe[name] && change == expected - 1);
    if (!ok) {
      fail(step, std::string(name) + " count changed by " + std::to_string(change) + ", expected " +
                     std::to_string(expected) + " (code " + std::to_string(code) + " in " +
                     before.room + ")");
    }
  }
  for (const auto& entry : after.counts) {
    if (std::find(std::begin(kItems), std::end(kItems), entry.first) == std::end(kItems))
      fail(step, "an item list holds \"" + entry.first + "\", which is not an item");
  }

  // Only the room the turn was played in and the inventory may change: by one take or drop,
  // plus what the room placed on this turn.
  for (std::size_t i = 0; i < after.roomItems.size(); ++i) {
    const bool turnRoom = turnPlayed && std::string(kRoomTexts[i].id) == before.room;
    const long grown = static_cast<long>(after.roomItems[i].size()) -
                       static_cast<long>(before.roomItems[i].size());
    if (!turnRoom && after.roomItems[i] != before.roomItems[i])
      fail(step, std::string("the items of ") + kRoomTexts[i].id + " changed from elsewhere");
    if (turnRoom && (grown < -1 || grown > placedCount + 1))
      fail(step, "a room's items changed by more than one take or drop");
  }
  const long carried =
      static_cast<long>(after.inventory.size()) - static_cast<long>(before.inventory.size());
  if (carried < -1 || carried > 1)
    fail(step, "the inventory changed by more than one entry in one step");
}

// Plays one game; returns false if an invariant broke. Tells every step when `verbose`.
bool PlayOne(std::uint64_t seed, Tally& tally, bool verbose) {
  Player player(seed);
  const std::string lines = player.Lines();
  std::istringstream in(lines);
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;
  Failure fail(seed);

  // Played alongside only when the lines hold help or hints.
  const std::string twinLines = WithoutHelpAndHints(lines);
  const bool twinPlays = twinLines != lines;
  std::istringstream twinIn(twinLines);
  LineReader twinReader{&twinIn};
  Game twin(twinReader);
  PlayPoint twinPoint;

  const auto position = [&in] {
    return static_cast<long>(in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
  };
  const long lineCount = static_cast<long>(std::count(lines.begin(), lines.end(), '\n')) + 1;
  const long stepLimit = 2 * lineCount + 8;
  std::optional<int> status;
  long step = 0;
  while (!status && !fail.failed()) {
    if (++step > stepLimit) {
      fail(step, "the game keeps going without reading input");
      break;
    }
    const Snapshot before = Take(game);
    const long read = position();
    status = PlayStep(game, point);
    const Snapshot after = Take(game);
    const bool turnPlayed = before.flags.titleDone && position() != read;
    if (verbose) {
      std::cerr << "step " << step << ": " << before.room << (turnPlayed ? ", line \"" : "")
                << (turnPlayed ? game.PlayerInput + "\" code " + std::to_string(game.inputNumber)
                               : "")
                << " -> " << after.room << "\n";
    }
    if (after.room.empty()) {
      fail(step, "location is not one of the twelve rooms");
    } else if (game.currentRoom != after.room) {
      fail(step,
           "currentRoom is \"" + game.currentRoom + "\" but the player stands in " + after.room);
    }
    CheckItems(before, after, turnPlayed, game.inputNumber, step, fail);
    if (twinPlays) {
      const std::optional<int> twinStatus = PlayStep(twin, twinPoint);
      if (twinStatus != status || !SameStory(Take(twin), after) ||
          twinPoint.passStarted != point.passStarted || twinPoint.nextLoop != point.nextLoop)
        fail(step, "help or a hint changed the game (code " + std::to_string(game.inputNumber) +
                       " in " + before.room + ")");
    }
    for (std::size_t i = 0; i < kRoomCount; ++i) {
      if (game.world.rooms[i].get() == game.world.location)
        ++tally.roomsReached[i];
    }
  }
  if (status && *status != 0)
    fail(step, "the game ended with status " + std::to_string(*status));
  if (status && position() != static_cast<long>(lines.size()) && !game.flags.gameOver &&
      game.flags.titleDone) {
    fail(step, "the game ended before its input did, without reaching the banner");
  }
  tally.steps += step;
  if (game.flags.gameOver)
    ++tally.banners;
  for (const std::string& name : game.world.inventory)
    ++tally.itemsHeld[name];
  return !fail.failed();
}

long FromEnvironment(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atol(value) : fallback;
}

}  // namespace

int main() {
  TempDir work;
  std::filesystem::copy_file(PRISMORA_TOKEN_RESPONSES, work.path() + "/PlayerResponse.txt");
  if (chdir(work.path().c_str()) != 0) {
    std::perror("chdir");
    return 2;
  }
  NullBuffer sink;
  std::streambuf* const saved = std::cout.rdbuf(&sink);

  Tally tally;
  long failures = 0;
  long games = 0;
  if (const long only = FromEnvironment("PRISMORA_RANDOM_PLAY_SEED", 0); only > 0) {
    games = 1;
    failures += PlayOne(static_cast<std::uint64_t>(only), tally, true) ? 0 : 1;
  } else {
    games = FromEnvironment("PRISMORA_RANDOM_PLAY_GAMES", 3000);
    for (long seed = 1; seed <= games; ++seed)
      failures += PlayOne(static_cast<std::uint64_t>(seed), tally, false) ? 0 : 1;
  }
  std::cout.rdbuf(saved);

  std::cout << games << " games, " << tally.steps << " steps, " << tally.banners
            << " reached the banner, " << failures << " failed\n";
  for (std::size_t i = 0; i < kRoomCount; ++i)
    std::cout << "  " << kRoomTexts[i].id << ": " << tally.roomsReached[i] << " steps\n";
  for (const char* name : kItems)
    std::cout << "  " << name << " carried at the end: " << tally.itemsHeld[name] << " games\n";

  // The draws must reach every room and every item, or the invariants were never tried there.
  bool explored = true;
  if (games >= 1000) {
    for (std::size_t i = 0; i < kRoomCount; ++i)
      explored = explored && tally.roomsReached[i] > 0;
    for (const char* name : kItems)
      explored = explored && tally.itemsHeld[name] > 0;
    explored = explored && tally.banners > 0;
    if (!explored)
      std::cout << "the random games did not reach every room, item and the banner\n";
  }
  return failures == 0 && explored ? 0 : 1;
}
