#ifndef PRISMORA_FUZZ_GAME_CHECK_H_
#define PRISMORA_FUZZ_GAME_CHECK_H_

#include <string>

// Plays `lines` in-process from the title screen, with the game's output swallowed, and checks
// the world after every step. Returns what went wrong first (its step, code and room), or an empty
// string. Needs the tests' token vocabulary in the working directory.
//
// Invariants: the game keeps reading its input and ends with status 0, at the banner or when the
// input ends; help and hints change nothing: a twin game given a line without meaning in their
// place is the same game, flags, items and all; undo after any move gives back exactly the moment
// before it; a hint that sends the player through a way out names one the turn would open; a
// saved game of any moment in play reads back as the same moment, and from one moment on a game
// restored from it alone says exactly what the game itself says. Saves go to memory. (Which list
// an item moves between is the transcripts' to pin.)
std::string CheckGame(const std::string& lines);

#endif  // PRISMORA_FUZZ_GAME_CHECK_H_
