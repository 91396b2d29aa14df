#ifndef PRISMORA_SAVE_SAVE_FILE_H_
#define PRISMORA_SAVE_SAVE_FILE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_state.h"
#include "story_data.h"

// A saved game is a small text file, the same bytes on every platform: a first line naming the
// format and its version, one line per part of the game (the room, where "back" leads, the
// hint's memory, what is carried, each room's items, the story's flags and facts), and last a
// CRC-32 of everything above it. Rooms, items and texts are named as the story's data names
// them, so the file reads in an editor and outlasts a reordering of the data:
//
//   Prismora saved game, format 1
//   room Kitchen
//   back LivingRoom
//   hint HintTakeStone Kitchen Kitchen      ("hint -": no hint asked yet)
//   carried RedStone OrangeKey
//   items MountainPath                         (one line per room, in the data's order)
//   ...
//   shown Kitchen
//   visited MountainPath SnowyYard LivingRoom Kitchen
//   seeded LivingRoom Kitchen
//   has RedStone
//   facts titleDone headOutsidePending
//   check 5d1c0a2e

// The checksum of the last line: CRC-32 (IEEE 802.3, as zlib and PNG have it) of every byte
// above it, written as eight lowercase hex digits.
std::uint32_t Crc32(std::string_view bytes);

// The whole moment as a saved game's text.
std::string WriteSave(const Moment& moment);

// What a saved game's text holds: the moment, or why it cannot be played. `problem` is a clause
// of the story's data ("it is damaged: ..."), to be filled with `detail`.
struct SaveReading {
  std::optional<Moment> moment;
  Text problem = Text::kSaveNotASave;
  std::string detail;
};

// Reads a saved game's text, checking it against the story's data: its format and version, the
// checksum, every name, and that the game it describes can exist (in play, its flags agreeing
// with each other, no more of an item than the rooms ever put down).
SaveReading ReadSave(std::string_view text);

#endif  // PRISMORA_SAVE_SAVE_FILE_H_
