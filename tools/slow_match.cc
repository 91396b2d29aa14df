#include "slow_match.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "input/match_response.h"

namespace {

bool IsSyntax(char c) {
  return std::strchr("()[]{}|*+?.^$\\", c) != nullptr;
}

double MatchMs(const std::regex& compiled, const std::string& input) {
  const auto start = std::chrono::steady_clock::now();
  try {
    volatile bool matched = std::regex_match(input, compiled);
    static_cast<void>(matched);
  } catch (const std::regex_error&) {
    // The game counts a runaway match as no match; what matters here is the time it took.
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// A byte the pattern never names, so that the repeated piece is followed by a certain failure.
char EndingFor(const std::string& pattern) {
  for (const char c : {'#', '~', '`', '\x01'}) {
    if (pattern.find(c) == std::string::npos)
      return c;
  }
  return '\x01';
}

// `piece` repeated to length - 1 bytes, then `ending`, lowercased as the game lowercases a line.
std::string Repeated(const std::string& piece, std::size_t length, char ending) {
  std::string input;
  while (input.size() + 1 < length)
    input += piece;
  input.resize(length - 1);
  input += ending;
  LowercaseAscii(input);
  return input;
}

}  // namespace

std::vector<std::string> PiecesOf(const std::string& pattern) {
  std::vector<std::string> pieces;
  const auto add = [&pieces](const std::string& piece) {
    if (!piece.empty() && std::find(pieces.begin(), pieces.end(), piece) == pieces.end())
      pieces.push_back(piece);
  };
  std::vector<std::string> runs;
  std::string run;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '(' && i + 2 < pattern.size() && pattern[i + 1] == '?') {
      i += 2;  // the "?:", "?=" or "?!" of a group is syntax, not text
    } else if (c == '\\' && i + 1 < pattern.size() && std::strchr("bBdDsSwW", pattern[i + 1])) {
      ++i;  // a class or an assertion, not a character
    } else if (c == '\\' && i + 1 < pattern.size()) {
      c = pattern[++i];
      add(std::string(1, c));
      run += c;
      continue;
    } else if (!IsSyntax(c)) {
      add(std::string(1, c));
      run += c;
      continue;
    }
    runs.push_back(run);
    run.clear();
  }
  runs.push_back(run);
  for (const std::string& each : runs) {
    if (each.size() > 1) {
      add(each);
      add(each + " ");
    }
  }
  return pieces;
}

std::optional<SlowMatch> SlowInputFor(const std::regex& compiled, const std::string& pattern,
                                      double limitMs) {
  const char ending = EndingFor(pattern);
  for (const std::string& piece : PiecesOf(pattern)) {
    // One more byte at a time while short, then an eighth more: an input that blows up doubles
    // its time with each repetition, and this keeps the first slow one within a few times the
    // limit.
    for (std::size_t length = 1; length <= kMaxInputBytes;) {
      const std::string input = Repeated(piece, length, ending);
      double ms = MatchMs(compiled, input);
      if (ms > limitMs)
        ms = std::min(ms, MatchMs(compiled, input));  // once more, in case the machine was busy
      if (ms > limitMs)
        return SlowMatch{input, ms};
      if (length == kMaxInputBytes)
        break;
      length = std::min(kMaxInputBytes, length + std::max<std::size_t>(1, length / 8));
    }
  }
  return std::nullopt;
}
