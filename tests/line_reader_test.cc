#include "input/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines ReadAll(const std::string& text) {
  std::istringstream in(text);
  LineReader reader{&in};
  Lines lines;
  for (std::string line; ReadLine(reader, line);)
    lines.push_back(line);
  return lines;
}

TEST(LineReaderTest, SplitsAtLineFeedsDropsACarriageReturnBeforeThemAndBoundsEachLine) {
  const std::string odd("a\0\xFF\x80z", 5);
  const std::string exact(kMaxKeptLineBytes - 1, 'y');
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"north\n\nlook", {"north", "", "look"}},  // an unterminated last line counts
      {"north\r\nso\ruth\r\n\r\n", {"north", "so\ruth", ""}},
      {"look\r", {"look"}},
      {odd + "\n", {odd}},
      {exact + "\r\n", {exact}},  // at the bound with CRLF: not overlong
      {std::string(1 << 20, 'x') + "\nnorth\n", {std::string(kMaxKeptLineBytes, 'x'), "north"}},
  };
  for (const auto& [text, lines] : cases)
    EXPECT_EQ(ReadAll(text), lines) << text.size() << " bytes";
}

}  // namespace
