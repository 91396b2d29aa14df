#include "input/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadAll(const std::string& text) {
  std::istringstream in(text);
  LineReader reader{&in};
  std::vector<std::string> lines;
  std::string line;
  while (ReadLine(reader, line))
    lines.push_back(line);
  return lines;
}

TEST(LineReaderTest, SplitsOnLineFeedsAndKeepsAnUnterminatedLastLine) {
  EXPECT_EQ(ReadAll("north\n\nlook"), (std::vector<std::string>{"north", "", "look"}));
  EXPECT_EQ(ReadAll("north\n"), (std::vector<std::string>{"north"}));
  EXPECT_TRUE(ReadAll("").empty());
}

TEST(LineReaderTest, DropsOnlyACarriageReturnRightBeforeTheLineFeed) {
  EXPECT_EQ(ReadAll("north\r\nso\ruth\r\n\r\n"),
            (std::vector<std::string>{"north", "so\ruth", ""}));
  EXPECT_EQ(ReadAll("look\r"), (std::vector<std::string>{"look"}));
}

TEST(LineReaderTest, KeepsNulBytesAndHighBytes) {
  const std::string odd("a\0\xFF\x80z", 5);
  EXPECT_EQ(ReadAll(odd + "\n"), (std::vector<std::string>{odd}));
}

TEST(LineReaderTest, BoundsAHugeLineAndCarriesOnAfterIt) {
  const std::string huge(1 << 20, 'x');
  const std::vector<std::string> lines = ReadAll(huge + "\nnorth\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(kMaxKeptLineBytes, 'x'));
  EXPECT_EQ(lines[1], "north");
}

TEST(LineReaderTest, LineOfExactlyTheBoundWithCrlfIsNotOverlong) {
  const std::string exact(kMaxKeptLineBytes - 1, 'y');
  EXPECT_EQ(ReadAll(exact + "\r\n"), (std::vector<std::string>{exact}));
}

// A line that arrives whole (from the line editor) must reach the game exactly as the same bytes
// read from a stream would: the same line feed, carriage return and length rules.
TEST(LineReaderTest, KeepLineTreatsAWholeLineLikeTheStream) {
  const std::size_t bound = kMaxKeptLineBytes;
  const std::vector<std::string> samples = {
      "",
      "look",
      "look\n",
      "look\r\n",
      "look\r",
      "\r",
      "\r\r\n",
      "so\ruth\n",
      std::string("a\0\xFF\x80z\n", 6),
      "north\nsouth\n",
      std::string(bound - 1, 'y') + "\r\n",
      std::string(bound, 'y') + "\r\n",
      std::string(bound + 1, 'y') + "\r\n",
      std::string(bound, 'y') + "\n",
      std::string(4 * bound, 'z') + "\r",
  };
  for (const std::string& raw : samples) {
    std::string kept = "left over";
    KeepLine(raw, kept);
    const std::vector<std::string> streamed = ReadAll(raw);
    const std::string expected = streamed.empty() ? "" : streamed.front();
    EXPECT_EQ(kept, expected) << "raw line of " << raw.size() << " bytes";
    EXPECT_LE(kept.size(), bound);
  }
}

}  // namespace
