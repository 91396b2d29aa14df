// Times the response matcher against a response file, for the resource figures in
// docs/hardening.md: a line that nothing matches (every pattern compiled and tried) and a line
// that the first meaningful pattern matches.
//   prismora_matcher_timing RESPONSE_FILE [CALLS]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "input/match_response.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Microseconds per call, over `calls` calls; the code of the last one in `code`.
double Time(const std::string& file, const std::string& input, long calls, std::int32_t& code) {
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < calls; ++i)
    code = MatchResponseIn(file, input);
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / static_cast<double>(calls);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s RESPONSE_FILE [CALLS]\n", argv[0]);
    return 2;
  }
  const std::string file = argv[1];
  const long calls = argc > 2 ? std::atol(argv[2]) : 200;
  NullBuffer sink;
  std::streambuf* const saved = std::cout.rdbuf(&sink);  // the sorry line, once per call
  std::int32_t noMatchCode = 0;
  std::int32_t startCode = 0;
  const double noMatch = Time(file, "xyzzy plugh", calls, noMatchCode);
  const double start = Time(file, "start", calls, startCode);
  std::cout.rdbuf(saved);
  std::printf("%s: no match %.1f us/call (code %d); 'start' %.1f us/call (code %d); %ld calls\n",
              file.c_str(), noMatch, static_cast<int>(noMatchCode), start,
              static_cast<int>(startCode), calls);
  return 0;
}
