// Arbitrary bytes as one typed line, against the shipped response file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "fuzz_support.h"
#include "input/match_response.h"

namespace {

std::size_t responseLines = 0;

void Fail(const char* what, std::int32_t code) {
  std::fprintf(stderr, "match_response_fuzzer: %s (code %d)\n", what, static_cast<int>(code));
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  responseLines = EnterWorkDirWith(PRISMORA_SHIPPED_RESPONSES);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NullBuffer sink;
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::streambuf* const saved = std::cout.rdbuf(&sink);
  const std::int32_t code = MatchResponse(input);

  // Capitals never change the answer: only A to Z are folded, and the patterns are lower case.
  std::string shouted = input;
  for (char& c : shouted) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  const std::int32_t shoutedCode = MatchResponse(shouted);
  std::cout.rdbuf(saved);

  const auto lines = static_cast<std::int32_t>(responseLines);
  if (code < 1 || code > lines)
    Fail("code outside the response file", code);
  if (shoutedCode != code)
    Fail("upper case changed the code", shoutedCode);
  if (input.size() > kMaxInputBytes && code != lines)
    Fail("an overlong line was matched", code);
  return 0;
}
