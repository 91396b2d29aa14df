#ifndef PRISMORA_GAME_COLOURED_NAMES_H_
#define PRISMORA_GAME_COLOURED_NAMES_H_

#include <vector>

#include "story_data.h"
#include "term/style.h"

// The story's coloured stones, keys and lights, each with its colour, as the story's data gives
// them, for the terminal to show them in; main hands them to the terminal layer.
std::vector<ColouredName> ColouredNames();

#endif  // PRISMORA_GAME_COLOURED_NAMES_H_
