#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "input/match_response.h"
#include "response_codes.h"
#include "test_support.h"
#include "text/console.h"

namespace {

const char kSorry[] = "\nSorry, not sure what you mean. Please enter a different response.\n";

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

// The code, and what the game said on its output and its error stream.
Outcome Match(const std::string& file, const std::string& input) {
  std::ostringstream out;
  std::ostringstream err;
  const ConsoleRedirect capture(out, err);
  const int code = MatchResponseIn(file, input);
  return {code, out.str(), err.str()};
}

std::string Responses(const std::string& contents) {
  return WriteTempFile("r.txt", contents);
}

// A response file, a typed line, and what the matcher must make of it.
struct Case {
  const char* file;
  std::string input;
  int code;
  bool sorry;  // the sorry line on standard output; nothing is printed otherwise
};

TEST(MatcherTest, FirstPatternMatchingTheWholeLoweredInputWins) {
  const Case cases[] = {
      {"alpha\n(go )?north\nnorth\n.*\n", "go north", 2, false},
      {"alpha\n(go )?north\nnorth\n.*\n", "north by northwest", 4, false},
      {"north\n(?!)\n(?!)\n", "go north", 3, true},  // not found: the number of lines read
      {"north\n(?!)\n(?!)\n", "northern", 3, true},
      // Only A to Z are lowered: bytes of 0x80 and above pass untouched, so UTF-8 survives.
      {"north\n\xC3\x89t\xC3\xA9\n(?!)\n", "NoRtH", 1, false},
      {"north\n\xC3\x89t\xC3\xA9\n(?!)\n", "\xC3\x89T\xC3\xA9", 2, false},
      {"az@\\[\n(?!)\n", "AZ@[", 1, false},
      {"North\n(?!)\n", "North", 2, true},  // a capital in a pattern never matches a letter
      {"north\n\nsouth\n", "", 2, false},   // only an empty pattern matches empty input
      {"north\nsouth\n", "", 2, true},
      {"north\r\nsouth\r\n(?!)\n", "south", 2, false},  // a CR before the LF is dropped
      {"north\nsouth", "south", 2, false},              // a last line without a line feed counts
      {"north\nsouth\n", "west", 2, true},  // a final line feed makes no extra empty line
      {"", "north", 0, true},
      {"north\n.\n(?!)\n", std::string("\0", 1), 2, false},  // NUL is a character
      {"north\n.\n(?!)\n", std::string("north\0", 6), 3, true},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Match(Responses(c.file), c.input);
    EXPECT_EQ(outcome.code, c.code) << c.file << " / " << c.input;
    EXPECT_EQ(outcome.out, c.sorry ? kSorry : "") << c.file << " / " << c.input;
    EXPECT_EQ(outcome.err, "") << c.file;
  }
}

TEST(MatcherTest, UnopenableFileIsReportedAndGivesOne) {
  for (const std::string& file :
       {testing::TempDir() + "prismora-missing.txt", testing::TempDir()}) {
    const Outcome outcome = Match(file, "north");
    EXPECT_EQ(outcome.code, 1) << file;
    EXPECT_EQ(outcome.err, "\nError: Unable to open the file.\n") << file;
    EXPECT_EQ(outcome.out, "") << file;
  }
}

// Each bad line is named with its number, and counts as a line that did not match.
TEST(MatcherTest, InvalidPatternIsReportedAndSkippedWithoutShiftingCodes) {
  const std::string file = Responses("(unclosed\nnorth\n[z-a]\nsouth\n");
  const Outcome south = Match(file, "south");
  EXPECT_EQ(south.code, 4);
  EXPECT_EQ(south.err.rfind(file + ":1: not a valid pattern: ", 0), 0u);
  EXPECT_NE(south.err.find("\n" + file + ":3: not a valid pattern: "), std::string::npos);
  EXPECT_EQ(south.out, "");
}

TEST(MatcherTest, OverlongInputIsNotUnderstoodWithoutTryingAnyPattern) {
  // ".*" would match anything, and would recurse once per character if it were tried.
  const std::string file = Responses(".*\n(unclosed\n.*\n");
  EXPECT_EQ(Match(file, std::string(kMaxInputBytes, 'a')).code, 1);

  const Outcome outcome = Match(file, std::string(kMaxInputBytes + 1, 'a'));
  EXPECT_EQ(outcome.code, 3);
  EXPECT_EQ(outcome.out, kSorry);
  EXPECT_EQ(outcome.err, "");  // the invalid line was never compiled
}

// Compiled patterns are kept between calls: each line's text, read afresh, decides whether its
// pattern is reused, and a kept bad line is still reported every time.
TEST(MatcherTest, ReadsTheFileAfreshOnEveryCall) {
  const std::string file = Responses("north\n(unclosed\nsouth\n");
  for (int call = 0; call < 2; ++call) {
    const Outcome outcome = Match(file, "south");
    EXPECT_EQ(outcome.code, 3);
    EXPECT_NE(outcome.err.find(file + ":2: not a valid pattern: "), std::string::npos);
  }
  Responses("north\nsouth\n(?!)\n");
  EXPECT_EQ(Match(file, "south").code, 2);
  Responses("south\n");
  EXPECT_EQ(Match(file, "south").code, 1);
}

}  // namespace

namespace {

// A catch-all line is tried after every other line, so a phrasing written below it still wins.
TEST(MatcherTest, CatchAllLineAnswersOnlyWhatNothingElseTook) {
  ASSERT_FALSE(code::kTriedLast.empty());
  const std::int32_t last = code::kTriedLast.front();
  std::string file;
  for (std::int32_t line = 1; line <= last + 2; ++line)
    file += line == last ? "x .+\n" : line == last + 1 ? "x lantern\n" : "(?!)\n";
  const std::string path = Responses(file);
  EXPECT_EQ(Match(path, "x lantern").code, last + 1);
  const Outcome other = Match(path, "x table");
  EXPECT_EQ(other.code, last);
  EXPECT_EQ(other.out, "");
  EXPECT_EQ(Match(path, "y").code, last + 2);
}

}  // namespace
