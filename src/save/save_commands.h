#ifndef PRISMORA_SAVE_SAVE_COMMANDS_H_
#define PRISMORA_SAVE_SAVE_COMMANDS_H_

#include <optional>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "save/save_store.h"

// The name typed after the command's word ("save", "restore") in the player's line, lowercased:
// the default name when there is none; nothing, having said what a name is, when the rest is not
// one word of letters, digits, - and _. Filler such as "please", "the", "game" and "as" is
// skipped, so "save the game as castle" is castle and "load game" the default.
std::optional<std::string> SaveNameIn(const std::string& line);

// Why a store could not keep or give back a game, as a clause of the story's data.
std::string WhyNotKept(const StoreResult& result);

// "save" and "save NAME" in a room: the game as it stands, kept under the name in game.saves.
// Changes nothing in the game, whether or not the save succeeds.
void SaveGame(Game& game);

// "restore" and "restore NAME": the saved game in place of this one, shown as on arrival by the
// next turn, with a line saying it is back. A game that is missing, unreadable or impossible is
// refused with one line and this one goes on unchanged. `undoTo` is the moment "undo" then goes
// back to; none on the title screen.
void RestoreGame(Game& game, const Moment* undoTo);

// "restart": asks, and reads the answer; only yes starts over, on a clear screen at the title
// with nothing of this game kept but where the lines come from and where games are saved. An
// answer that restores a game (as the page's open button types) carries on and restores it, with
// `undoTo` as RestoreGame takes it.
void AskToRestart(Game& game, const Moment* undoTo);

// The page, opened again: the game it kept, shown as on arrival with a line saying the game goes
// on. False, having said why, when `text` holds no game that can be played.
bool ContinueGame(Game& game, std::string_view text);

#endif  // PRISMORA_SAVE_SAVE_COMMANDS_H_
