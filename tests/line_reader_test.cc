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

}  // namespace
