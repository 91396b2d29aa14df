#ifndef PRISMORA_GAME_SIGHTS_H_
#define PRISMORA_GAME_SIGHTS_H_

#include "game/room_script.h"

// A closer look at what the row names: an item lying here or carried (by name, or by its kind
// alone); a key still held by this room's light, as the light answers; a thing this room's texts
// mention; a companion or a father, wherever the player stands; else one plain line.
void LookCloser(Turn& turn);

#endif  // PRISMORA_GAME_SIGHTS_H_
