#ifndef PRISMORA_GAME_COLOURED_NAMES_H_
#define PRISMORA_GAME_COLOURED_NAMES_H_

#include <vector>

#include "term/style.h"

// The story's coloured stones, keys and lights, each with its colour, for the terminal to show
// them in. The one list of them; main hands it to the terminal layer.
std::vector<ColouredName> ColouredNames();

#endif  // PRISMORA_GAME_COLOURED_NAMES_H_
