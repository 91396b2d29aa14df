#ifndef PRISMORA_GAME_ROOM_SCRIPT_H_
#define PRISMORA_GAME_ROOM_SCRIPT_H_

#include <array>
#include <cstddef>

#include "game/story_flags.h"
#include "input/response_codes.h"

struct Game;

// One of the story's facts, named by its place in StoryFlags; null where a row has none.
using Flag = bool StoryFlags::*;

// Texts printed one after another, each followed by a line end.
struct Texts {
  const char* const* lines = nullptr;
  std::size_t count = 0;
};
template <std::size_t N>
constexpr Texts TextsOf(const char* const (&lines)[N]) {
  return {lines, N};
}

// A way out that stays shut until every one of its keys has been seen: the bedroom door, the
// shed door, the gate. Keys are has flags, so a way once opened stays open.
struct Guard {
  std::array<Flag, 3> keys{};
  const char* refusal = nullptr;  // printed when the way stays shut
  Texts firstRefusal{};           // printed instead on the first failed try, which sets `tried`
  Flag tried = nullptr;
};

// A coloured light that holds a key. Two stones whose colours mix to the light's, held up
// together, open it; so does party magic of those colours. The Jester's code is shared by all.
struct ColourLight {
  Flag stone1 = nullptr;  // has flags of the two stones
  Flag stone2 = nullptr;
  CodeRange stonesCode;
  CodeRange magicCode;
  const char* stonesText = nullptr;
  const char* magicText = nullptr;
  const char* jesterText = nullptr;
  const char* key = nullptr;
  CodeRange examineCode = kNoCodes;  // the light may be looked at more closely
  Texts examineTexts{};
  const char* examineStonesHint = nullptr;  // added once both stones have been seen
};

// An item a room puts down once per game, and the flag that remembers it did.
struct Seed {
  const char* item = nullptr;
  Flag seeded = nullptr;
};

// An item a room looks for in the inventory on every turn, and the has flag it sets.
struct Scan {
  const char* item = nullptr;
  Flag has = nullptr;
};

// Words that stand for one of the room's own codes here.
struct CodeAlias {
  CodeRange words = kNoCodes;
  CodeRange code = kNoCodes;  // its first code is the one the room reacts to
};

// Everything that is one room's own; the turn every room shares is in room_turn.cc.
// Built with the named setters below, so each row of the table reads as what it is.
struct RoomScript {
  RoomScript(const char* roomId, Flag shownFlag, Flag visitedFlag)
      : id(roomId), shown(shownFlag), visited(visitedFlag) {}

  const char* id;
  Flag shown;    // the room is on screen since the player arrived
  Flag visited;  // the first-visit text has been printed

  // Entry display.
  Texts firstVisitTexts;             // after the first-visit text
  Flag firstVisitSets = nullptr;     // a fact the first visit sets
  const char* returnNote = nullptr;  // after the return text, until `returnNoteUntil` is set
  Flag returnNoteUntil = nullptr;
  Flag interlude = nullptr;             // while set, a one-time screen takes the room's place;
  const char* interludeText = nullptr;  // the room clears it on every turn

  // Ways out, by direction: north, east, south, west. The map says where a way leads.
  const char* blocked = nullptr;  // printed for a direction the map gives no way
  std::array<const Guard*, 4> guards{};

  // Items.
  std::array<Seed, 2> seeds{};
  bool seedsBeforeMatching = false;
  std::array<Scan, 3> scans{};

  const char* afterLook = nullptr;  // one more line after the return text on look
  const ColourLight* light = nullptr;
  void (*ownCodes)(Game&) = nullptr;  // codes that only this room reacts to
  std::array<CodeAlias, 2> aliases{};

  RoomScript& FirstVisit(Texts texts, Flag sets = nullptr) {
    firstVisitTexts = texts;
    firstVisitSets = sets;
    return *this;
  }
  RoomScript& OnReturn(const char* note, Flag until) {
    returnNote = note;
    returnNoteUntil = until;
    return *this;
  }
  RoomScript& Interlude(Flag pending, const char* text) {
    interlude = pending;
    interludeText = text;
    return *this;
  }
  RoomScript& Blocked(const char* text) {
    blocked = text;
    return *this;
  }
  RoomScript& Guarded(std::size_t direction, const Guard& guard) {
    guards[direction] = &guard;
    return *this;
  }
  RoomScript& Seeds(std::array<Seed, 2> items, bool beforeMatching) {
    seeds = items;
    seedsBeforeMatching = beforeMatching;
    return *this;
  }
  RoomScript& Scans(std::array<Scan, 3> items) {
    scans = items;
    return *this;
  }
  RoomScript& AfterLook(const char* text) {
    afterLook = text;
    return *this;
  }
  RoomScript& Light(const ColourLight& colourLight) {
    light = &colourLight;
    return *this;
  }
  RoomScript& OwnCodes(void (*react)(Game&)) {
    ownCodes = react;
    return *this;
  }
  RoomScript& Aliases(std::array<CodeAlias, 2> list) {
    aliases = list;
    return *this;
  }
};

// Directions in the order of RoomScript::guards.
enum Direction : std::size_t { kNorthWay, kEastWay, kSouthWay, kWestWay };

// The rooms with turns, in the order the dispatcher tries them. A room earlier in the table
// than the one just left is reached on the next pass of the outer loop.
extern const std::array<RoomScript, 11> kRoomScripts;

#endif  // PRISMORA_GAME_ROOM_SCRIPT_H_
