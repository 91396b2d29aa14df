#include "game/turn.h"

#include "game/meanings.h"
#include "game/rules.h"
#include "game/show.h"
#include "game/undo.h"
#include "input/match_response.h"
#include "text/console.h"

namespace {

void SayAll(const std::vector<Text>& texts) {
  for (Text text : texts)
    Say(text);
}

// The heading, then the first-visit text once and the return text after that, each with the
// room's own additions; nothing while the room is still on screen.
void ShowEntry(Game& game, const RoomScript& room) {
  StoryFlags& flags = game.flags;
  const Room& here = game.world.Here();
  if (room.interlude != nullptr && flags.*room.interlude) {
    // Not marked shown: the room itself is shown on the turn after.
    ClearScreen();
    here.PrintName();
    Say(*room.interludeText);
  } else if (!Shown(flags, room.id) && !Visited(flags, room.id)) {
    ClearScreen();
    here.PrintName();
    here.PrintDescription();
    SayAll(room.firstVisitTexts);
    if (room.firstVisitSets != nullptr)
      flags.*room.firstVisitSets = true;
    Visited(flags, room.id) = true;
    Shown(flags, room.id) = true;
  } else if (!Shown(flags, room.id)) {
    ShowRoom(game, room, true);
  }
  if (room.interlude != nullptr)
    flags.*room.interlude = false;
  if (game.afterEntry) {
    Say(*game.afterEntry);
    game.afterEntry.reset();
  }
}

// Puts the room's items down once per game.
void SeedItems(Game& game, const RoomScript& room) {
  bool& seeded = game.flags.seeded[static_cast<std::size_t>(room.id)];
  if (seeded)
    return;
  for (ItemId item : room.seeds)
    game.world.Here().items.push_back(item);
  seeded = true;
}

// Matches the line just read and finds its row; "again" puts the last line typed in its place.
// The again row itself comes back only when there is no last line yet, to say so. Every other
// line becomes the last line.
const Row* MatchLine(Game& game, const RoomScript* room) {
  game.inputNumber = MatchResponse(game.PlayerInput);
  const Row* row = FindRow(game.inputNumber, room);
  if (row != nullptr && row->stage == Stage::kRetype) {
    if (!game.lastLine)
      return row;
    game.PlayerInput = *game.lastLine;
    game.inputNumber = MatchResponse(game.PlayerInput);
    row = FindRow(game.inputNumber, room);
  }
  game.lastLine = game.PlayerInput;
  return row;
}

}  // namespace

void PlayTitleTurn(Game& game) {
  if (!game.titleHeldBack)
    Say(Text::kTitle);
  game.titleHeldBack = false;
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.ended = true;
    return;
  }
  const Row* row = MatchLine(game, nullptr);
  Turn turn{game, nullptr, row, nullptr};
  if (row != nullptr)
    row->act(turn);
}

void PlayRoomTurn(Game& game, const RoomScript& room) {
  const Moment start = MomentOf(game);
  ShowEntry(game, room);
  Say(Text::kPrompt);
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.ended = true;
    return;
  }
  if (room.seedsBeforeMatching)
    SeedItems(game, room);
  const Row* row = MatchLine(game, &room);
  Turn turn{game, &room, row, &start};
  if (row != nullptr && row->stage != Stage::kReact) {
    row->act(turn);
    return;
  }
  if (!room.seedsBeforeMatching)
    SeedItems(game, room);
  ScanInventory(game.world, game.flags, room);
  // Leaving a one-time screen is no move, whatever line leaves it: the room it shows first is not
  // taken back. Only a reaction that changes the story is a move to take back; the moment kept
  // is the one before the turn, so undo shows the room again as the player found it.
  if (row != nullptr && row->showsRoomFirst && !Shown(game.flags, room.id))
    ShowRoom(game, room, true);
  const Moment beforeReaction = MomentOf(game);
  if (row != nullptr)
    row->act(turn);
  if (!SameStory(beforeReaction, MomentOf(game)))
    game.undo.push_back(start);
  if (game.world.location != room.id)
    game.cameFrom = room.id;
}
