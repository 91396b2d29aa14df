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

// A line that arrives whole (from the line editor) must reach the game exactly as the same bytes
// read from a stream would: the same line feed, carriage return and length rules.
TEST(LineReaderTest, KeepLineTreatsAWholeLineLikeTheStream) {
  const std::size_t bound = kMaxKeptLineBytes;
  const std::string samples[] = {
      "",
      "look\r\n",
      "look\r",
      "\r\r\n",
      "so\ruth\n",
      "north\nsouth\n",
      std::string(bound - 1, 'y') + "\r\n",
      std::string(bound, 'y') + "\r\n",
      std::string(bound + 1, 'y') + "\r\n",
      std::string(4 * bound, 'z') + "\r",
  };
  for (const std::string& raw : samples) {
    std::string kept = "left over";
    KeepLine(raw, kept);
    const Lines streamed = ReadAll(raw);
    EXPECT_EQ(kept, streamed.empty() ? "" : streamed.front()) << raw.size() << " bytes";
  }
}

}  // namespace
