#ifndef PRISMORA_GAME_ROOM_SCRIPT_H_
#define PRISMORA_GAME_ROOM_SCRIPT_H_

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "game/game_state.h"
#include "game/story_flags.h"
#include "response_codes.h"
#include "story_data.h"
#include "world/direction.h"

struct RoomScript;

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

struct Row;

// The line being answered: the play, the room it is typed in (none on the title screen) and
// the row that answers it.
struct Turn {
  Game& game;
  const RoomScript* room;
  const Row* row;
  const Moment*
      start;  // the game as the turn found it, before the room was shown; none on the title
};

// When in the turn a row acts.
enum class Stage {
  kReact,    // after the room has put its items down and scanned the inventory
  kOwnMove,  // the player's own move, outside the story: right after matching, never undone
  kRetype,   // the last line typed once more: the line is matched anew, then answered
};

// One row of the table of meanings: the codes it takes and what it does with them. The shared
// rows are in meanings.cc, a room's own in its row of the room table.
struct Row {
  CodeRange codes = kNoCodes;
  void (*act)(Turn&) = nullptr;
  Stage stage = Stage::kReact;
  bool showsRoomFirst = false;  // at a one-time screen, the room comes back before the answer
  bool onTitle = false;         // answered on the title screen too
  bool inRooms = true;          // answered in the rooms (all but the title's own rows)
  bool overrides = false;       // a room's row that takes a shared row's codes on purpose
  std::optional<Text> text;     // what a row that says one text says
  std::optional<ItemId> item;   // the item a row takes, drops, examines or hands over
  std::optional<ItemId> item2;  // the second of two stones a row holds up together
  const char* kind = nullptr;   // the kind a row names an item by alone: "key", "stone"

  Row& At(Stage when) {
    stage = when;
    return *this;
  }
  Row& ShowsRoomFirst() {
    showsRoomFirst = true;
    return *this;
  }
  Row& OnTitle() {
    onTitle = true;
    return *this;
  }
  Row& Overrides() {
    overrides = true;
    return *this;
  }
  Row& Saying(Text said) {
    text = said;
    return *this;
  }
  Row& With(ItemId which) {
    item = which;
    return *this;
  }
  Row& With(ItemId first, ItemId second) {
    item = first;
    item2 = second;
    return *this;
  }
  Row& OfKind(const char* itemKind) {
    kind = itemKind;
    return *this;
  }
  Row& OnlyOnTitle() {
    onTitle = true;
    inRooms = false;
    return *this;
  }
};

// A row that answers `codes` with `act`; the setters above say the rest.
inline Row Answer(CodeRange codes, void (*act)(Turn&)) {
  Row row;
  row.codes = codes;
  row.act = act;
  return row;
}

// Everything that is one room's own; the turn every room shares is in turn.cc. Built with
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
  std::vector<Row> rows;  // the codes only this room answers, tried before the shared rows

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
  // The light and the rows that answer at it.
  RoomScript& Light(const ColourLight& colourLight, const std::vector<Row>& lightRows) {
    light = &colourLight;
    rows.insert(rows.end(), lightRows.begin(), lightRows.end());
    return *this;
  }
  RoomScript& Rows(const std::vector<Row>& own) {
    rows.insert(rows.end(), own.begin(), own.end());
    return *this;
  }
};

#endif  // PRISMORA_GAME_ROOM_SCRIPT_H_
