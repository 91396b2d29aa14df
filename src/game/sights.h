#ifndef PRISMORA_GAME_SIGHTS_H_
#define PRISMORA_GAME_SIGHTS_H_

#include "game/room_script.h"

// A closer look at what the row names: a thing of this room meant before any carried item (the
// gravestones, when "the stones" are named there); an item lying here or carried (by name, or by
// its kind alone); a key still held by this room's light, as the light answers; a thing this
// room's texts mention; a companion, a father, Maize, wherever the player stands; else the row's
// own text ("no key turns up here"), or one plain line.
void LookCloser(Turn& turn);

// A search of the room: what this room's search turns up, or else the look around.
void Search(Turn& turn);

#endif  // PRISMORA_GAME_SIGHTS_H_
