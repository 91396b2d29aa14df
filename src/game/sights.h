#ifndef PRISMORA_GAME_SIGHTS_H_
#define PRISMORA_GAME_SIGHTS_H_

#include <cstdint>

#include "game/game.h"
#include "game/room_script.h"

// Whether the code looks at someone or something (the look-at codes and the two fathers).
bool IsLookAt(std::int32_t code);

// A closer look at what the code names: an item lying here or carried; a key still held by this
// room's light, as the light answers; a thing this room's texts mention; a companion or a father,
// wherever the player stands; else one plain line. Says its answer; false for other codes.
bool LookCloser(const Game& game, const RoomScript& room);

#endif  // PRISMORA_GAME_SIGHTS_H_
