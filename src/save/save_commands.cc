#include "save/save_commands.h"

#include <algorithm>
#include <vector>

#include "game/undo.h"
#include "input/match_response.h"
#include "response_codes.h"
#include "save/save_file.h"
#include "save/save_store.h"
#include "text/console.h"

namespace {

// Words around a name that are not the name: the politeness and filler the vocabulary allows
// before a command, and the words between the command's word and the name.
bool IsFiller(const std::string& word) {
  static const char* const kWords[] = {
      "please", "now", "ok", "then", "just", "can", "could", "you", "i", "want", "to", "i'd",
      "like", "i'll", "lets", "let's", "let", "me", "the", "my", "a", "this", "saved", "game", "as",
      "called", "named", "from", "thanks",
      // The rest of what the vocabulary takes before a command: "we", "shall we", "i'm going to".
      "we", "us", "so", "okay", "would", "shall", "need", "have", "will", "should", "must", "am",
      "are", "going", "i'm", "we're", "try", "go", "and"};
  return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names)
    out += (out.empty() ? "" : ", ") + name;
  return out;
}

// Shown by the next turn as on arrival, with `line` after the room.
void PutInPlay(Game& game, const Moment& moment, Text line) {
  Restore(game, moment);
  Shown(game.flags, game.world.location) = false;
  game.afterEntry = line;
}

}  // namespace

std::string WhyNotKept(const StoreResult& result) {
  switch (result.failure) {
    case StoreFailure::kNoFolder:
      return Fill(Text::kNoSaveFolder);
    case StoreFailure::kNotWritable:
      return Fill(Text::kFolderNotWritable, {result.where, result.detail});
    case StoreFailure::kUnavailable:
      return Fill(Text::kStorageUnavailable);
    case StoreFailure::kTooLarge:
      return Fill(Text::kSaveTooLarge);
    default:
      return Fill(Text::kSaveUnreadable, {result.detail});
  }
}

std::optional<std::string> SaveNameIn(const std::string& line) {
  std::string lower = line;
  LowercaseAscii(lower);
  std::replace(lower.begin(), lower.end(), ',', ' ');
  while (!lower.empty() &&
         (lower.back() == ' ' || lower.back() == '.' || lower.back() == '!' || lower.back() == '?'))
    lower.pop_back();
  // The first word that is not filler is the command's own, whatever the vocabulary calls it.
  std::vector<std::string> rest;
  bool commandSeen = false;
  for (std::size_t start = 0; start < lower.size();) {
    const std::size_t end = std::min(lower.find(' ', start), lower.size());
    const std::string word = lower.substr(start, end - start);
    if (!word.empty() && !IsFiller(word)) {
      if (commandSeen)
        rest.push_back(word);
      commandSeen = true;
    }
    start = end + 1;
  }
  if (rest.empty())
    return std::string(kDefaultSaveName);
  if (rest.size() == 1 && IsSaveName(rest.front()))
    return rest.front();
  Say(Text::kBadSaveName);
  return std::nullopt;
}

void SaveGame(Game& game) {
  const std::optional<std::string> name = SaveNameIn(game.PlayerInput);
  if (!name)
    return;
  const std::string text = WriteSave(MomentOf(game));
  StoreResult result{StoreFailure::kTooLarge, {}, {}, {}};
  if (game.saves == nullptr)
    result.failure = StoreFailure::kNoFolder;
  else if (text.size() <= kMaxSaveBytes)
    result = game.saves->Write(*name, text);
  if (result.failure != StoreFailure::kNone)
    Say(Text::kSaveFailed, {WhyNotKept(result)});
  else if (*name == kDefaultSaveName)
    Say(Text::kSaved);
  else
    Say(Text::kSavedAs, {*name, *name});
}

void RestoreGame(Game& game, const Moment* undoTo) {
  const std::optional<std::string> name = SaveNameIn(game.PlayerInput);
  if (!name)
    return;
  StoreResult kept{StoreFailure::kMissing, {}, {}, {}};
  if (game.saves != nullptr)
    kept = game.saves->Read(*name);
  if (kept.failure == StoreFailure::kMissing) {
    const std::vector<std::string> names =
        game.saves != nullptr ? game.saves->Names() : std::vector<std::string>{};
    if (names.empty())
      Say(Text::kNoSavedGames);
    else
      Say(Text::kNoSuchSave, {*name, Joined(names)});
    return;
  }
  if (kept.failure != StoreFailure::kNone) {
    Say(Text::kRestoreRefused, {*name, WhyNotKept(kept)});
    return;
  }
  const SaveReading reading = ReadSave(kept.bytes);
  if (!reading.moment) {
    Say(Text::kRestoreRefused, {*name, Fill(reading.problem, {reading.detail})});
    return;
  }
  if (undoTo != nullptr)
    game.undo.push_back(*undoTo);
  PutInPlay(game, *reading.moment, Text::kRestored);
}

void AskToRestart(Game& game, const Moment* undoTo) {
  Say(Text::kRestartQuestion);
  if (!ReadLine(*game.input, game.PlayerInput)) {
    game.ended = true;
    return;
  }
  game.inputNumber = MatchAnswer(game.PlayerInput);
  if (code::kYes.Holds(game.inputNumber)) {
    Game fresh(*game.input);
    fresh.saves = game.saves;
    game = std::move(fresh);
    ClearScreen();
  } else if (Shown(game.flags, game.world.location)) {
    Say(Text::kRestartDeclined);
  } else {
    // The room comes back on a clear screen with the next turn: the line goes below it.
    game.afterEntry = Text::kRestartDeclined;
  }
  if (code::kRestore.Holds(game.inputNumber))
    RestoreGame(game, undoTo);
}

bool ContinueGame(Game& game, std::string_view text) {
  const SaveReading reading = ReadSave(text);
  if (!reading.moment) {
    Say(Text::kContinueRefused, {Fill(reading.problem, {reading.detail})});
    return false;
  }
  PutInPlay(game, *reading.moment, Text::kGameGoesOn);
  return true;
}
