// The rows every room shares. Codes never overlap between shared rows (the table's check says
// so), so their order here is only the order they read in.
#include "game/meanings.h"

#include "game/context_words.h"
#include "game/help_guide.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/places.h"
#include "game/room_actions.h"
#include "game/show.h"
#include "game/sights.h"
#include "game/undo.h"
#include "items/item_actions.h"
#include "items/items_by_kind.h"
#include "save/save_commands.h"
#include "term/screen.h"
#include "text/console.h"

namespace {

void StartAdventure(Turn& turn) {
  turn.game.flags.titleDone = true;
}
void Quit(Turn& turn) {
  turn.game.ended = true;
}
void Undo(Turn& turn) {
  UndoLastMove(turn.game);
}
void Help(Turn& turn) {
  ShowHelpGuide();
  // On the title screen at a terminal the guide is left last on the screen, where the title
  // block would push it off.
  if (turn.room == nullptr && AtTerminal())
    turn.game.titleHeldBack = true;
}
void Hint(Turn& turn) {
  GiveHint(turn.game);
}
void Save(Turn& turn) {
  if (turn.room == nullptr)
    Say(Text::kNothingToSave);
  else
    SaveGame(turn.game);
}
void Restore(Turn& turn) {
  RestoreGame(turn.game, turn.start);
}
void Restart(Turn& turn) {
  if (turn.room == nullptr)
    Say(Text::kNothingToRestart);
  else
    AskToRestart(turn.game, turn.start);
}
void Walk(Turn& turn) {
  TryWay(turn.game, *turn.room, *DirectionOfCode(turn.game.inputNumber));
}
void LookAround(Turn& turn) {
  LookAround(turn.game, *turn.room);
}
void Inventory(Turn& turn) {
  ShowInventory(turn.game.world);
}
void WaysOut(Turn& turn) {
  ShowWaysOut(turn.game);
}
void Take(Turn& turn) {
  MoveItem(turn.game.world, *turn.row->item, ItemVerb::kTake);
}
void Drop(Turn& turn) {
  MoveItem(turn.game.world, *turn.row->item, ItemVerb::kDrop);
}
void TakeOfKind(Turn& turn) {
  MoveItemOfKind(turn.game.world, turn.row->kind, ItemVerb::kTake);
}
void DropOfKind(Turn& turn) {
  MoveItemOfKind(turn.game.world, turn.row->kind, ItemVerb::kDrop);
}
void TakeAll(Turn& turn) {
  MoveAll(turn.game.world, ItemVerb::kTake);
}
void DropAll(Turn& turn) {
  MoveAll(turn.game.world, ItemVerb::kDrop);
}
void TakeKeyAndStone(Turn& turn) {
  TakeKinds(turn.game.world, {"key", "stone"});
}
// Several items named in full: each in turn as the line naming it alone answers here. That is
// the earliest line of the response file that takes (or drops) the item, so the red stone's own
// line (107) comes before the data's, and the bedroom still reads it as the nightstand's; a line
// that names none is not understood.
void MoveNamedItems(Turn& turn, void (*move)(Turn&)) {
  const std::vector<ItemId> items = ItemsNamedIn(turn.game.PlayerInput);
  if (items.empty())
    Say(Text::kSorry);
  for (ItemId item : items) {
    std::int32_t code = 0;
    for (const Row& row : SharedRows()) {
      if (row.act == move && row.item == item && (code == 0 || row.codes.first < code))
        code = row.codes.first;
    }
    Turn alone{turn.game, turn.room, FindRow(code, turn.room), turn.start};
    if (alone.row != nullptr)
      alone.row->act(alone);
  }
}
void TakeNamedItems(Turn& turn) {
  MoveNamedItems(turn, Take);
}
void DropNamedItems(Turn& turn) {
  MoveNamedItems(turn, Drop);
}

// A closer look: the room comes back first at a one-time screen.
Row Look(CodeRange codes) {
  return Answer(codes, LookCloser).ShowsRoomFirst();
}

std::vector<Row> BuildSharedRows() {
  std::vector<Row> rows = {
      // The title screen's own, and the player's own moves, which work there too.
      Answer(code::kStart, StartAdventure).OnlyOnTitle(),
      Answer(code::kQuit, Quit).OnlyOnTitle(),
      Answer(code::kAgain, SayRowText).Saying(Text::kNothingToRepeat).At(Stage::kRetype).OnTitle(),
      Answer(code::kUndo, Undo).At(Stage::kOwnMove).OnTitle(),
      Answer(code::kHelp, Help).OnTitle(),
      Answer(code::kHint, Hint).OnTitle().ShowsRoomFirst(),
      // Saved games; like undo, restore and restart replace the whole game, outside the story.
      Answer(code::kSave, Save).OnTitle().ShowsRoomFirst(),
      Answer(code::kRestore, Restore).At(Stage::kOwnMove).OnTitle(),
      Answer(code::kRestart, Restart).At(Stage::kOwnMove).OnTitle(),
      Answer(code::kScore, SayRowText).Saying(Text::kNoScore).OnTitle().ShowsRoomFirst(),
      // Ways out, looking round, the inventory.
      Answer(code::kNorth, Walk),
      Answer(code::kEast, Walk),
      Answer(code::kSouth, Walk),
      Answer(code::kWest, Walk),
      Answer(code::kLook, LookAround),
      Answer(code::kInventory, Inventory),
      // Words resolved from where the player stands.
      Answer(code::kGoBack, GoBack).ShowsRoomFirst(),
      Answer(code::kLeave, Leave).ShowsRoomFirst(),
      Answer(code::kOpenDoor, OpenDoor).ShowsRoomFirst(),
      Answer(code::kWaysOut, WaysOut),
      // Rooms with a light take these themselves.
      Answer(code::kUseStones, SayRowText).Saying(Text::kNothingForStones),
      Answer(code::kOneStone, SayRowText).Saying(Text::kNothingForStones).ShowsRoomFirst(),
      Answer(code::kTakeKeyByKind, TakeOfKind).OfKind("key"),
      Answer(code::kTakeStoneByKind, TakeOfKind).OfKind("stone"),
      Answer(code::kDropKeyByKind, DropOfKind).OfKind("key"),
      Answer(code::kDropStoneByKind, DropOfKind).OfKind("stone"),
      Answer(code::kTakeRedStoneHere, Take).With(ItemId::kRedStone),
      // Several things at once.
      Answer(code::kTakeAll, TakeAll),
      Answer(code::kDropAll, DropAll),
      Answer(code::kTakeKeyAndStone, TakeKeyAndStone),
      Answer(code::kTakeNamedItems, TakeNamedItems),
      Answer(code::kDropNamedItems, DropNamedItems),
      // A key named, tried on the room's lock; two stones named, at the room's light.
      Answer(code::kUseBedroomKey, UseKey).With(ItemId::kBedroomKey).ShowsRoomFirst(),
      Answer(code::kUseShedKey, UseKey).With(ItemId::kShedKey).ShowsRoomFirst(),
      Answer(code::kUseOrangeKey, UseKey).With(ItemId::kOrangeKey).ShowsRoomFirst(),
      Answer(code::kUseGreenKey, UseKey).With(ItemId::kGreenKey).ShowsRoomFirst(),
      Answer(code::kUsePurpleKey, UseKey).With(ItemId::kPurpleKey).ShowsRoomFirst(),
      Answer(code::kRedYellowStones, HoldUpPair).With(ItemId::kRedStone, ItemId::kYellowStone),
      Answer(code::kRedBlueStones, HoldUpPair).With(ItemId::kRedStone, ItemId::kBlueStone),
      Answer(code::kYellowBlueStones, HoldUpPair).With(ItemId::kYellowStone, ItemId::kBlueStone),
      // A moment passes; a search of the room, or for something.
      Answer(code::kWait, SayRowText).Saying(Text::kWaited),
      Answer(code::kSearch, Search),
      Look(code::kLookForKey).Saying(Text::kNoKeyHere),
      Look(code::kLookForLight).Saying(Text::kNoLightHere),
      // Someone or something looked at; the fathers answer talk as well.
      Look(code::kLookAtBlot),
      Look(code::kLookAtCerule),
      Look(code::kLookAtScarlett),
      Look(code::kLookAtJester),
      Look(code::kSunnie),
      Look(code::kRosen),
      Look(code::kWakeSunnie),
      Look(code::kLookAtMe),
      Look(code::kLookAtMasks),
      Look(code::kLookAtParty),
      Look(code::kLookAtSnow),
      Look(code::kLookAtPath),
      Look(code::kLookAtCabin),
      Look(code::kLookAtGate),
      Look(code::kLookAtFence),
      Look(code::kLookAtShed),
      Look(code::kLookAtGrains),
      Look(code::kLookAtGlow),
      Look(code::kLookAtGraves),
      Look(code::kLookAtCliffs),
      Look(code::kLookAtTable),
      Look(code::kLookAtCabinets),
      Look(code::kLookAtStove),
      Look(code::kLookAtDoor),
      Look(code::kLookAtChildren),
      Look(code::kLookAtKeyRing),
      Look(code::kLookAtNightstand),
      Look(code::kLookAtFootprints),
      Look(code::kLookAtPadlock),
      Look(code::kLookAtWalls),
      Look(code::kLookAtStone).OfKind("stone"),
      Look(code::kLookAtKey).OfKind("key"),
      // Tried after every other line of the response file: only what nothing else took.
      Look(code::kLookAtThing),
  };
  // A place by name: the way out that leads there.
  for (const Place& place : kPlaces)
    rows.push_back(Answer(place.code, GoToPlace));
  // Each item's own words, from the story's data.
  for (std::size_t i = 0; i < kItemCount; ++i) {
    const ItemId item = static_cast<ItemId>(i);
    rows.push_back(Answer(DataOf(item).take, Take).With(item));
    rows.push_back(Answer(DataOf(item).drop, Drop).With(item));
    rows.push_back(Look(DataOf(item).look).With(item));
  }
  return rows;
}

const Row* FindIn(const std::vector<Row>& rows, std::int32_t code, bool onTitle) {
  for (const Row& row : rows) {
    if (row.codes.Holds(code) && (onTitle ? row.onTitle : row.inRooms))
      return &row;
  }
  return nullptr;
}

}  // namespace

const std::vector<Row>& SharedRows() {
  static const std::vector<Row> rows = BuildSharedRows();
  return rows;
}

const Row* FindRow(std::int32_t code, const RoomScript* room) {
  if (room != nullptr) {
    if (const Row* own = FindIn(room->rows, code, false))
      return own;
  }
  return FindIn(SharedRows(), code, room == nullptr);
}
