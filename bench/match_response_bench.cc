#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "input/match_response.h"
#include "response_codes.h"

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
  Run(state, "xyzzy", code::kHighestMeaningful + 1);  // the shipped file's line count
}

// How a line nothing matches grows with the file: the shipped file padded with never-matching
// lines to 300, 1,000 and 3,000 lines, as it pads its own unused lines.
void BM_MatchNothingPadded(benchmark::State& state) {
  const auto lines = static_cast<std::int32_t>(state.range(0));
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "prismora-bench";
  std::filesystem::create_directories(dir);
  const std::string padded = (dir / ("responses-" + std::to_string(lines) + ".txt")).string();
  {
    std::ifstream shipped(PRISMORA_SHIPPED_RESPONSES);
    std::ofstream out(padded);
    std::string line;
    std::int32_t count = 0;
    while (std::getline(shipped, line) && count < lines) {
      out << line << '\n';
      ++count;
    }
    for (; count < lines; ++count)
      out << "(?!)\n";
  }
  std::ostringstream sink;
  std::streambuf* oldOut = std::cout.rdbuf(sink.rdbuf());
  for (auto _ : state) {
    const std::int32_t code = MatchResponseIn(padded, "xyzzy");
    benchmark::DoNotOptimize(code);
    if (code != lines) {
      state.SkipWithError(("got code " + std::to_string(code)).c_str());
      break;
    }
    sink.str("");
  }
  std::cout.rdbuf(oldOut);
  std::filesystem::remove(padded);
}

BENCHMARK(BM_MatchFirstLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchLastMeaningfulLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchNothing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatchNothingPadded)->Arg(300)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond);

}  // namespace
