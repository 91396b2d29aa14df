// The save reader fed arbitrary bytes. Whatever it accepts must be a game that can be played: it
// reads back the same once written again, and a turn of it plays. Mutations usually break the
// checksum, so the mutator seals most of them again, which takes the fuzzer past the check into
// the lines themselves. It starts from real saved games (save_seeds/).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "game/game.h"
#include "game/undo.h"
#include "save/save_file.h"
#include "text/console.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max);

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "save_fuzzer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  EnterWorkDirWith(PRISMORA_TOKEN_RESPONSES);
  return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t max, unsigned int seed) {
  size = LLVMFuzzerMutate(data, size, max);
  std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t check = text.rfind("check ");
  if (seed % 8 == 0 || check == std::string::npos)
    return size;  // now and then a broken checksum, as a damaged file has
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x",
                static_cast<unsigned>(Crc32(std::string_view(text).substr(0, check))));
  text = text.substr(0, check) + "check " + hex + "\n";
  if (text.size() > max)
    return size;
  std::memcpy(data, text.data(), text.size());
  return text.size();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const SaveReading reading = ReadSave(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!reading.moment)
    return 0;
  const SaveReading again = ReadSave(WriteSave(*reading.moment));
  if (!again.moment || !SameStory(*again.moment, *reading.moment) ||
      !(again.moment->hintSituation == reading.moment->hintSituation) ||
      again.moment->cameFrom != reading.moment->cameFrom)
    Fail("an accepted game did not read back the same once written again");
  NullBuffer sink;
  std::ostream nowhere(&sink);
  const ConsoleRedirect quiet(nowhere, nowhere);
  std::istringstream lines("c38\nc43\nc37\n");
  LineReader reader{&lines};
  Game game(reader);
  Restore(game, *reading.moment);
  PlayPoint point;
  for (int step = 0; step < 20; ++step) {
    if (PlayStep(game, point))
      return 0;
  }
  Fail("an accepted game did not play its turns");
}
