#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "input/match_response.h"

namespace {

// MatchResponse reads PlayerResponse.txt from the working directory, as the game does; the
// benchmark runs it from the directory that holds the shipped file.
class ShippedResponses {
 public:
  ShippedResponses() {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(PRISMORA_SHIPPED_RESPONSES).parent_path());
    oldOut_ = std::cout.rdbuf(sink_.rdbuf());  // the sorry line is not part of the measure
  }
  ~ShippedResponses() {
    std::cout.rdbuf(oldOut_);
    std::filesystem::current_path(previous_);
  }

 private:
  std::filesystem::path previous_;
  std::ostringstream sink_;
  std::streambuf* oldOut_;
};

void Run(benchmark::State& state, const std::string& input, std::int32_t expected) {
  ShippedResponses here;
  for (auto _ : state) {
    const std::int32_t code = MatchResponse(input);
    benchmark::DoNotOptimize(code);
    if (code != expected) {
      state.SkipWithError(("got code " + std::to_string(code)).c_str());
      break;
    }
  }
}

// Line 1 means nothing and matches nothing; "start" on line 2 is the first line that can match.
void BM_MatchFirstLine(benchmark::State& state) {
  Run(state, "start", 2);
}
void BM_MatchLastMeaningfulLine(benchmark::State& state) {
  Run(state, "cerule and i cast magic", 284);
}
void BM_MatchNothing(benchmark::State& state) {
  Run(state, "xyzzy", 300);
}

BENCHMARK(BM_MatchFirstLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchLastMeaningfulLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchNothing)->Unit(benchmark::kMicrosecond);

}  // namespace
