#ifndef PRISMORA_TERM_STYLE_H_
#define PRISMORA_TERM_STYLE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How much colour the terminal is told to take.
enum class ColourDepth {
  kNone,   // NO_COLOR set, TERM dumb or unset: plain text
  kBasic,  // the terminal's own eight colours, which its theme fits to its background
  k256,    // the 256-colour palette: fixed shades, picked to read on dark and light alike
};

// From the values of NO_COLOR, TERM and COLORTERM (null when unset).
ColourDepth ChooseColourDepth(const char* noColor, const char* term, const char* colorTerm);

// The colours the story gives its names. Each has its own shades here; which names take which
// colour is the game's to say.
enum class Colour { kRed, kYellow, kBlue, kOrange, kGreen, kPurple };

struct ColouredName {
  std::string name;  // found whatever its case, as whole words: "Red Stone", "a red stone"
  Colour colour;
};

// The names StyleLine colours from now on, in place of those given before.
void SetColouredNames(std::vector<ColouredName> names);

// Where a coloured name stands in a line: bytes `begin` to `end`.
struct NameSpan {
  std::size_t begin;
  std::size_t end;
  Colour colour;
};

// The names given to SetColouredNames that `line` holds, in their order in it.
std::vector<NameSpan> FindColouredNames(std::string_view line);

// Appends `line` to `out` with escape sequences around what the story colours: the names given
// to SetColouredNames in their colours, and, when `heading` is set, the line's text in
// bold. The text itself is unchanged; with kNone nothing is added.
void StyleLine(std::string_view line, ColourDepth depth, bool heading, std::string& out);

// Where no heading is marked (ScreenText).
constexpr std::size_t kNoHeading = std::string::npos;

#endif  // PRISMORA_TERM_STYLE_H_
