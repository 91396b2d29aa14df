// The whole game, played in-process from the title screen, fed arbitrary bytes as its input
// lines. The tests' token vocabulary (line N matches "cN") lets mutations reach every code.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "game/game.h"
#include "input/line_reader.h"
#include "world/world.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "game_fuzzer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterWorkDirWith(PRISMORA_TOKEN_RESPONSES);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NullBuffer sink;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;

  // Every step but the final scene, the banner and the dispatcher's turn-less passes reads a
  // line, so a game that takes many more steps than there are bytes has stopped reading.
  const std::size_t stepLimit = 2 * size + 16;
  std::streambuf* const saved = std::cout.rdbuf(&sink);
  std::optional<int> status;
  std::size_t steps = 0;
  while (!(status = PlayStep(game, point))) {
    if (++steps > stepLimit)
      Fail("the game keeps going without reading input");
    const char* id = RoomIdOf(game.world, game.world.location);
    if (id == nullptr)
      Fail("location is not one of the twelve rooms");
    if (game.currentRoom != id)
      Fail("currentRoom does not name the room the player stands in");
  }
  std::cout.rdbuf(saved);
  if (*status != 0)
    Fail("the game ended with a nonzero status");
  return 0;
}
