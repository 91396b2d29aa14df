#ifndef PRISMORA_GAME_ROOM_SCRIPT_H_
#define PRISMORA_GAME_ROOM_SCRIPT_H_

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "game/story_flags.h"
#include "input/response_codes.h"
#include "story_data.h"
#include "world/direction.h"

struct Game;

// One of the story's named facts, by its place in StoryFlags.
using Flag = bool StoryFlags::*;

// A way out that stays shut until every one of its keys has been seen: the bedroom door, the
// shed door, the gate. Keys are has flags, so a way once opened stays open.
struct Guard {
  std::vector<ItemId> keys;
  Text refusal;                      // printed when the way stays shut
  std::optional<Text> firstRefusal;  // printed instead on the first failed try, which sets `tried`
  Flag tried = nullptr;
};

// A coloured light that holds a key. Two stones whose colours mix to the light's, held up
// together, open it; so does party magic of those colours. The Jester's code is shared by all.
struct ColourLight {
  LightId light;
  ItemId stone1;
  ItemId stone2;
  CodeRange stonesCode;
  CodeRange magicCode;
  Text stonesText;
  Text magicText;
  Text jesterText;
  ItemId key;
  CodeRange examineCode = kNoCodes;  // the light may be looked at more closely
  std::optional<Text> examineText;
  std::optional<Text> examineStonesHint;  // added once both stones have been seen
};

// Words that stand for one of the room's own codes here.
struct CodeAlias {
  CodeRange words = kNoCodes;
  CodeRange code = kNoCodes;  // its first code is the one the room reacts to
};

// Everything that is one room's own; the turn every room shares is in room_turn.cc. Built with
// the named setters below, so each row of the table reads as what it is. Its heading, texts and
// ways come from the story's data by its id.
struct RoomScript {
  RoomScript(RoomId roomId, std::optional<Text> blockedText) : id(roomId), blocked(blockedText) {}

  RoomId id;
  std::optional<Text> blocked;  // for a direction the map gives no way; none where all four lead

  // Entry display.
  std::vector<Text> firstVisitTexts;         // after the first-visit text
  Flag firstVisitSets = nullptr;             // a fact the first visit sets
  std::optional<Text> returnNote;            // after the return text, until the item has been
  std::optional<ItemId> returnNoteUntilHas;  // seen by a scan
  Flag interlude = nullptr;                  // while set, a one-time screen takes the room's
  std::optional<Text> interludeText;         // place; the room clears it on every turn

  std::array<const Guard*, kDirectionCount> guards{};  // by Direction; none where a way is free

  // Items.
  std::vector<ItemId> seeds;  // put down once per game
  bool seedsBeforeMatching = false;
  std::vector<ItemId> scans;  // looked for in the inventory on every turn, setting has flags

  std::optional<Text> afterLook;  // one more line after the return text on look
  const ColourLight* light = nullptr;
  void (*ownCodes)(Game&) = nullptr;  // codes that only this room reacts to
  std::vector<CodeAlias> aliases;

  RoomScript& FirstVisit(std::vector<Text> texts, Flag sets = nullptr) {
    firstVisitTexts = std::move(texts);
    firstVisitSets = sets;
    return *this;
  }
  RoomScript& OnReturn(Text note, ItemId untilHas) {
    returnNote = note;
    returnNoteUntilHas = untilHas;
    return *this;
  }
  RoomScript& Interlude(Flag pending, Text text) {
    interlude = pending;
    interludeText = text;
    return *this;
  }
  RoomScript& Guarded(Direction way, const Guard& guard) {
    guards[IndexOf(way)] = &guard;
    return *this;
  }
  RoomScript& Seeds(std::vector<ItemId> items, bool beforeMatching) {
    seeds = std::move(items);
    seedsBeforeMatching = beforeMatching;
    return *this;
  }
  RoomScript& Scans(std::vector<ItemId> items) {
    scans = std::move(items);
    return *this;
  }
  RoomScript& AfterLook(Text text) {
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
  RoomScript& Aliases(std::vector<CodeAlias> list) {
    aliases = std::move(list);
    return *this;
  }
};

// The rooms with turns, in the order the dispatcher tries them. A room earlier in the table
// than the one just left is reached on the next pass of the outer loop.
extern const std::vector<RoomScript> kRoomScripts;

// The row of a room, or null for a room without turns (the final scene).
const RoomScript* ScriptOf(RoomId room);

#endif  // PRISMORA_GAME_ROOM_SCRIPT_H_
