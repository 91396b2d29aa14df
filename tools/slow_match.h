#ifndef PRISMORA_TOOLS_SLOW_MATCH_H_
#define PRISMORA_TOOLS_SLOW_MATCH_H_

#include <optional>
#include <regex>
#include <string>
#include <vector>

// A typed line that takes the engine too long.
struct SlowMatch {
  std::string input;
  double ms;
};

// The pieces a pattern's adversarial inputs repeat: each of its literal characters, each run of
// them, and each run followed by a space. Backtracking blows up when a repeated piece can be
// matched in many ways and the line then fails at its end.
std::vector<std::string> PiecesOf(const std::string& pattern);

// The first input, shortest first, that takes `compiled` longer than `limitMs` to match: each
// piece of `pattern` repeated, then a character the pattern does not hold, up to the longest line
// the game hands to the engine. std::regex cannot be interrupted, so the length grows in steps
// small enough that the first slow input is not much slower than the limit.
std::optional<SlowMatch> SlowInputFor(const std::regex& compiled, const std::string& pattern,
                                      double limitMs);

#endif  // PRISMORA_TOOLS_SLOW_MATCH_H_
