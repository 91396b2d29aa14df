#ifndef PRISMORA_TERM_CHAR_WIDTH_H_
#define PRISMORA_TERM_CHAR_WIDTH_H_

#include <cstddef>
#include <string_view>

// Columns a character takes at a terminal, as wcwidth counts them but without the player's
// locale: 2 for East Asian wide and fullwidth characters and emoji, 0 for combining marks and
// zero-width characters, 1 for every other printable character. Control characters take 0.
int CharColumns(char32_t character);

// The character whose UTF-8 bytes start at `at` in `text`, and how many bytes it has. A byte
// that starts no valid sequence is read as itself, one byte long.
struct Decoded {
  char32_t character;
  std::size_t length;
};
Decoded DecodeAt(std::string_view text, std::size_t at);

#endif  // PRISMORA_TERM_CHAR_WIDTH_H_
