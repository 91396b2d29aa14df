#include "save/save_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "game/room_table.h"
#include "save/save_store.h"

namespace {

constexpr std::string_view kMagic = "Prismora saved game, format ";
constexpr int kFormat = 1;

// The story's facts that are not per room or per item, by the names the file gives them. Every
// flag of StoryFlags is written: the per-room and per-item arrays and these.
struct Fact {
  const char* name;
  bool StoryFlags::*flag;
};
constexpr Fact kFacts[] = {
    {"titleDone", &StoryFlags::titleDone},
    {"gameOver", &StoryFlags::gameOver},
    {"blotTalked", &StoryFlags::blotTalked},
    {"gateInspected", &StoryFlags::gateInspected},
    {"headOutsidePending", &StoryFlags::headOutsidePending},
    {"shimmerNoticed", &StoryFlags::shimmerNoticed},
};
static_assert(sizeof(StoryFlags) == std::size(kFacts) + 3 * kRoomCount + kItemCount,
              "every story flag must be saved: a new one goes into the file's lines here");

std::string Hex(std::uint32_t value) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%08x", static_cast<unsigned>(value));
  return buffer;
}

const char* Key(RoomId room) {
  return kRoomKeys[static_cast<std::size_t>(room)];
}
const char* Key(ItemId item) {
  return kItemKeys[static_cast<std::size_t>(item)];
}

template <typename Id, std::size_t N>
std::optional<Id> Named(const std::array<const char*, N>& keys, std::string_view word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (word == keys[i])
      return static_cast<Id>(i);
  }
  return std::nullopt;
}

void Append(std::string& line, std::string_view word) {
  line += ' ';
  line += word;
}

std::string RoomsWhere(const char* key, const std::array<bool, kRoomCount>& flags) {
  std::string line = key;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (flags[i])
      Append(line, kRoomKeys[i]);
  }
  return line + '\n';
}

// One reading of the lines between the first and the check line, in their fixed order.
class Reader {
 public:
  explicit Reader(std::string_view body) {
    for (std::size_t start = 0; start < body.size();) {
      const std::size_t end = std::min(body.find('\n', start), body.size());
      lines_.push_back(body.substr(start, end - start));
      start = end + 1;
    }
  }

  // The words of the next line, which must start with `key`; false (with the problem noted)
  // when it does not.
  bool Next(std::string_view key, std::vector<std::string_view>& words) {
    words.clear();
    if (next_ >= lines_.size())
      return Malformed();
    const std::string_view line = lines_[next_++];
    for (std::size_t start = 0;;) {
      const std::size_t end = line.find(' ', start);
      words.push_back(line.substr(start, end - start));
      if (words.back().empty())
        return Malformed();
      if (end == std::string_view::npos)
        break;
      start = end + 1;
    }
    if (words.front() != key)
      return Malformed();
    words.erase(words.begin());
    return true;
  }

  bool AtEnd() const { return next_ == lines_.size(); }

  bool Room(std::string_view word, RoomId& room) {
    const std::optional<RoomId> named = Named<RoomId>(kRoomKeys, word);
    if (!named)
      return Fail(Text::kSaveUnknownRoom, std::string(word));
    room = *named;
    return true;
  }
  bool OptionalRoom(std::string_view word, std::optional<RoomId>& room) {
    room.reset();
    RoomId named{};
    if (word == "-")
      return true;
    if (!Room(word, named))
      return false;
    room = named;
    return true;
  }
  bool Items(const std::vector<std::string_view>& words, std::size_t from,
             std::vector<ItemId>& items) {
    for (std::size_t i = from; i < words.size(); ++i) {
      const std::optional<ItemId> item = Named<ItemId>(kItemKeys, words[i]);
      if (!item)
        return Fail(Text::kSaveUnknownItem, std::string(words[i]));
      items.push_back(*item);
    }
    return true;
  }
  // A flag per room or per item: each named at most once.
  template <typename Id, std::size_t N>
  bool Flags(const char* key, const std::array<const char*, N>& keys, Text unknown,
             std::array<bool, N>& flags) {
    std::vector<std::string_view> words;
    if (!Next(key, words))
      return false;
    for (std::string_view word : words) {
      const std::optional<Id> id = Named<Id>(keys, word);
      if (!id)
        return Fail(unknown, std::string(word));
      bool& flag = flags[static_cast<std::size_t>(*id)];
      if (flag)
        return Malformed();
      flag = true;
    }
    return true;
  }

  bool Fail(Text problem, std::string detail) {
    problem_ = problem;
    detail_ = std::move(detail);
    return false;
  }
  // The line just read, counted from the file's first line.
  bool Malformed() { return Fail(Text::kSaveMalformed, std::to_string(next_ + 1)); }

  Text problem_ = Text::kSaveMalformed;
  std::string detail_;

 private:
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

bool ReadBody(Reader& in, Moment& moment) {
  World& world = moment.world;
  StoryFlags& flags = moment.flags;
  std::vector<std::string_view> words;
  if (!in.Next("room", words))
    return false;
  if (words.size() != 1)
    return in.Malformed();
  if (!in.Room(words[0], world.location) || !in.Next("back", words))
    return false;
  if (words.size() != 1)
    return in.Malformed();
  if (!in.OptionalRoom(words[0], moment.cameFrom) || !in.Next("hint", words))
    return false;
  if (words.size() == 3) {
    const std::optional<Text> nudge = Named<Text>(kTextKeys, words[0]);
    if (!nudge)
      return in.Malformed();
    HintSituation situation{*nudge, std::nullopt, std::nullopt};
    if (!in.OptionalRoom(words[1], situation.goal) || !in.OptionalRoom(words[2], situation.here))
      return false;
    moment.hintSituation = situation;
  } else if (words.size() != 1 || words[0] != "-") {
    return in.Malformed();
  }
  if (!in.Next("carried", words) || !in.Items(words, 0, world.inventory))
    return false;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (!in.Next("items", words))
      return false;
    if (words.empty())
      return in.Malformed();
    RoomId room{};
    if (!in.Room(words[0], room))
      return false;
    if (room != static_cast<RoomId>(i))
      return in.Malformed();
    if (!in.Items(words, 1, world.At(room).items))
      return false;
  }
  if (!in.Flags<RoomId>("shown", kRoomKeys, Text::kSaveUnknownRoom, flags.shown) ||
      !in.Flags<RoomId>("visited", kRoomKeys, Text::kSaveUnknownRoom, flags.visited) ||
      !in.Flags<RoomId>("seeded", kRoomKeys, Text::kSaveUnknownRoom, flags.seeded) ||
      !in.Flags<ItemId>("has", kItemKeys, Text::kSaveUnknownItem, flags.has) ||
      !in.Next("facts", words))
    return false;
  for (std::string_view word : words) {
    const Fact* fact = std::find_if(std::begin(kFacts), std::end(kFacts),
                                    [word](const Fact& f) { return word == f.name; });
    if (fact == std::end(kFacts) || flags.*fact->flag)
      return in.Malformed();
    flags.*fact->flag = true;
  }
  return in.AtEnd() || in.Malformed();
}

// What no play of the story can lead to, though every name in it is known.
bool CanExist(const Moment& moment, Reader& in) {
  const StoryFlags& flags = moment.flags;
  const World& world = moment.world;
  if (!flags.titleDone || flags.gameOver || ScriptOf(world.location) == nullptr)
    return in.Fail(Text::kSaveNotInPlay, {});
  // Only the room the player stands in can be on the screen.
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    if (flags.shown[i] && static_cast<RoomId>(i) != world.location)
      return in.Fail(Text::kSaveContradicts, std::string("shown ") + kRoomKeys[i]);
  }
  // An item the rooms put down is never handed over: there are no more of it than the rooms
  // that have put it down.
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const ItemId item = static_cast<ItemId>(i);
    bool seededSomewhere = false;
    std::size_t putDown = 0;
    for (const RoomScript& room : kRoomScripts) {
      const std::size_t seeds =
          static_cast<std::size_t>(std::count(room.seeds.begin(), room.seeds.end(), item));
      seededSomewhere = seededSomewhere || seeds > 0;
      if (flags.seeded[static_cast<std::size_t>(room.id)])
        putDown += seeds;
    }
    std::size_t found =
        static_cast<std::size_t>(std::count(world.inventory.begin(), world.inventory.end(), item));
    for (const Room& room : world.rooms)
      found += static_cast<std::size_t>(std::count(room.items.begin(), room.items.end(), item));
    if (seededSomewhere && found > putDown)
      return in.Fail(Text::kSaveTooMany, DataOf(item).name);
  }
  return true;
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string WriteSave(const Moment& moment) {
  const World& world = moment.world;
  const StoryFlags& flags = moment.flags;
  std::string text = std::string(kMagic) + std::to_string(kFormat) + '\n';
  text += std::string("room ") + Key(world.location) + '\n';
  text += std::string("back ") + (moment.cameFrom ? Key(*moment.cameFrom) : "-") + '\n';
  text += "hint";
  if (const std::optional<HintSituation>& hint = moment.hintSituation) {
    Append(text, kTextKeys[static_cast<std::size_t>(hint->nudge)]);
    Append(text, hint->goal ? Key(*hint->goal) : "-");
    Append(text, hint->here ? Key(*hint->here) : "-");
  } else {
    Append(text, "-");
  }
  text += "\ncarried";
  for (ItemId item : world.inventory)
    Append(text, Key(item));
  text += '\n';
  for (const Room& room : world.rooms) {
    text += std::string("items ") + Key(room.id);
    for (ItemId item : room.items)
      Append(text, Key(item));
    text += '\n';
  }
  text += RoomsWhere("shown", flags.shown) + RoomsWhere("visited", flags.visited) +
          RoomsWhere("seeded", flags.seeded);
  text += "has";
  for (std::size_t i = 0; i < kItemCount; ++i) {
    if (flags.has[i])
      Append(text, kItemKeys[i]);
  }
  text += "\nfacts";
  for (const Fact& fact : kFacts) {
    if (flags.*fact.flag)
      Append(text, fact.name);
  }
  text += '\n';
  return text + "check " + Hex(Crc32(text)) + '\n';
}

SaveReading ReadSave(std::string_view text) {
  SaveReading reading;
  if (text.size() > kMaxSaveBytes) {
    reading.problem = Text::kSaveTooLarge;
    return reading;
  }
  // The version first: a newer format may be laid out and checked otherwise.
  const std::string_view first = text.substr(0, text.find('\n'));
  const std::string_view version = first.substr(std::min(first.size(), kMagic.size()));
  if (first.substr(0, kMagic.size()) != kMagic || version.empty() || version.size() > 9 ||
      version.find_first_not_of("0123456789") != std::string_view::npos || version.front() == '0') {
    return reading;  // not a saved game
  }
  if (std::stoi(std::string(version)) > kFormat) {
    reading.problem = Text::kSaveNewer;
    reading.detail = std::string(version);
    return reading;
  }
  // The check line: the last, "check" and eight hex digits, over every byte before it.
  reading.problem = Text::kSaveDamaged;
  const std::size_t lastStart = text.size() < 2 ? 0 : text.rfind('\n', text.size() - 2) + 1;
  if (text.empty() || text.back() != '\n' || lastStart <= first.size() ||
      text.substr(lastStart) != "check " + Hex(Crc32(text.substr(0, lastStart))) + "\n")
    return reading;
  Reader in(text.substr(first.size() + 1, lastStart - first.size() - 1));
  Moment moment;
  if (ReadBody(in, moment) && CanExist(moment, in)) {
    reading.moment = std::move(moment);
    return reading;
  }
  reading.problem = in.problem_;
  reading.detail = in.detail_;
  return reading;
}
