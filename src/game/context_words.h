#ifndef PRISMORA_GAME_CONTEXT_WORDS_H_
#define PRISMORA_GAME_CONTEXT_WORDS_H_

#include <optional>

#include "game/game.h"
#include "world/direction.h"

// What the room turn still has to do for a context word: nothing, or walk one of its ways out,
// with that way's locks and messages.
struct ContextAnswer {
  bool handled = false;
  std::optional<Direction> way;
};

// Words whose meaning depends on where the player stands: the ways out, going back, leaving, the
// room's locked door, a place by name, an item named by its kind, the red stone, the stones named
// (or one stone) where no light takes them.
// Says what there is to say; `handled` is false for every other code.
ContextAnswer AnswerInContext(Game& game);

// Each way out of the room, locked or not, with the room it leads to once the player has seen it.
void ShowWaysOut(const Game& game);

#endif  // PRISMORA_GAME_CONTEXT_WORDS_H_
