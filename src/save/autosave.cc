#include "save/autosave.h"

#include <optional>
#include <string>

#include "game/game.h"
#include "game/meanings.h"
#include "game/room_table.h"
#include "game/undo.h"
#include "save/save_commands.h"
#include "save/save_file.h"
#include "text/console.h"

int PlayKeepingTheGame(LineReader& input, SaveStore& store) {
  if (!TableIsSound(SharedRows(), kRoomScripts))
    return kBrokenTable;
  Game game(input);
  game.saves = &store;
  PlayPoint point;
  StoreResult kept = store.Read(kKeptGameName);
  if (kept.failure == StoreFailure::kNone) {
    if (!ContinueGame(game, kept.bytes))
      kept.bytes.clear();
  } else if (kept.failure != StoreFailure::kMissing && kept.failure != StoreFailure::kUnavailable) {
    // A game is there but cannot be read. (Storage that cannot be read at all may hold none;
    // the first move that cannot be kept says so.)
    Say(Text::kContinueRefused, {WhyNotKept(kept)});
  }
  std::string last = kept.bytes;  // what the store holds now, as far as this play knows
  bool failing = false;
  for (;;) {
    const std::optional<int> status = PlayStep(game, point);
    // In play: past the title, in a room with turns (not on the way into the final scene).
    if (game.flags.titleDone && !game.flags.gameOver && ScriptOf(game.world.location)) {
      const std::string text = WriteSave(MomentOf(game));
      if (text != last) {
        const StoreResult result = store.Write(kKeptGameName, text);
        if (result.failure == StoreFailure::kNone) {
          last = text;
          failing = false;
        } else if (!failing) {
          Say(Text::kCannotKeep, {WhyNotKept(result)});
          failing = true;
        }
      }
    } else if (!game.flags.titleDone || game.flags.gameOver) {
      if (!last.empty())
        store.Remove(kKeptGameName);
      last.clear();
    }
    if (status)
      return *status;
  }
}
