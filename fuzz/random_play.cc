// Random play: thousands of seeded command sequences played against the game in-process, each
// checked after every step as the game fuzzer checks its inputs (game_check.h). Each sequence is
// reproducible from its seed alone:
//   prismora_random_play                 the default games (seeds 1 to N)
//   PRISMORA_RANDOM_PLAY_GAMES=100000    more of them
//   PRISMORA_RANDOM_PLAY_SEED=1234       just that one
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "game_check.h"
#include "response_codes.h"

namespace {

// The whole game through the tokens, one line each, so that a prefix of it takes play deep
// into the story: the same walkthrough the terminal test and the fuzzer's seeds play.
std::vector<std::string> Walkthrough() {
  std::ifstream file(PRISMORA_WALKTHROUGH_TOKENS);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);)
    lines.push_back(line + "\n");
  if (lines.empty()) {
    std::cerr << "random play: cannot read " << PRISMORA_WALKTHROUGH_TOKENS << "\n";
    std::exit(1);
  }
  return lines;
}

// Draws the lines of one game: often a stretch of the walkthrough, then undo and codes with a
// meaning, any line of the file, and empty or overlong lines. Random bytes are the fuzzers' part.
class Player {
 public:
  explicit Player(std::uint64_t seed) : rng_(seed) {}

  std::string Lines() {
    std::string out;
    if (Chance(0.3)) {
      static const std::vector<std::string> walkthrough = Walkthrough();
      const int prefix = Uniform(1, static_cast<int>(walkthrough.size()));
      for (int i = 0; i < prefix; ++i)
        out += walkthrough[static_cast<std::size_t>(i)];
    } else if (Chance(0.9)) {
      out += Token(Uniform(code::kStart.first, code::kStart.last));
    }
    const int count = Chance(0.1) ? Uniform(0, 200) : Uniform(0, 25);
    for (int i = 0; i < count; ++i) {
      const double kind = std::uniform_real_distribution<double>(0, 1)(rng_);
      if (kind < 0.08) {
        out += Token(code::kUndo.first);  // often enough to take back several moves in a row
      } else if (kind < 0.65) {
        const CodeMeaning& meaning =
            kCodeMeanings[Uniform(0, static_cast<int>(std::size(kCodeMeanings)) - 1)];
        out += Token(Uniform(meaning.codes.first, meaning.codes.last));
      } else if (kind < 0.95) {
        // Every line of the file, one line longer than the highest code, and just past both ends.
        out += Token(Uniform(0, code::kHighestMeaningful + 2));
      } else {
        out += std::string(Uniform(0, 300), 'c') + "\n";  // empty and overlong lines
      }
    }
    if (!out.empty() && Chance(0.2))
      out.pop_back();  // input that ends in the middle of a line
    return out;
  }

 private:
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

  std::string Token(int number) {
    return (Chance(0.1) ? "C" : "c") + std::to_string(number) + (Chance(0.05) ? "\r\n" : "\n");
  }

  std::mt19937_64 rng_;
};

long FromEnvironment(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atol(value) : fallback;
}

}  // namespace

int main() {
  EnterWorkDirWith(PRISMORA_TOKEN_RESPONSES);
  const long only = FromEnvironment("PRISMORA_RANDOM_PLAY_SEED", 0);
  const long first = only > 0 ? only : 1;
  const long last = only > 0 ? only : FromEnvironment("PRISMORA_RANDOM_PLAY_GAMES", 3000);
  long failures = 0;
  for (long seed = first; seed <= last; ++seed) {
    const std::string problem = CheckGame(Player(static_cast<std::uint64_t>(seed)).Lines());
    if (!problem.empty()) {
      std::cerr << "random play: seed " << seed << ", " << problem << "\n";
      ++failures;
    }
  }
  std::cout << last - first + 1 << " games, " << failures << " failed\n";
  return failures == 0 ? 0 : 1;
}
