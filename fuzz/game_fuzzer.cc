// The whole game, played in-process from the title screen, fed arbitrary bytes as its input
// lines and checked after every step. The tests' token vocabulary (line N matches "cN") lets
// mutations reach every code.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "game_check.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterWorkDirWith(PRISMORA_TOKEN_RESPONSES);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = CheckGame(std::string(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "game_fuzzer: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
