#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "input/match_response.h"
#include "test_support.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

const char kSorry[] = "\nSorry, not sure what you mean. Please enter a different response.\n";

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Match(const std::string& file, const std::string& input) {
  CaptureStdout();
  CaptureStderr();
  const int code = MatchResponseIn(file, input);
  Outcome outcome{code, GetCapturedStdout(), GetCapturedStderr()};
  return outcome;
}

class MatcherTest : public testing::Test {
 protected:
  std::string Responses(const std::string& contents) { return dir_.Write("r.txt", contents); }
  TempDir dir_;
};

TEST_F(MatcherTest, FirstWholeLineMatchWinsAndSaysNothing) {
  const std::string file = Responses("alpha\n(go )?north\nnorth\n.*\n");
  EXPECT_EQ(Match(file, "north").code, 2);
  EXPECT_EQ(Match(file, "go north").code, 2);
  EXPECT_EQ(Match(file, "alpha").code, 1);
  const Outcome anything = Match(file, "north by northwest");
  EXPECT_EQ(anything.code, 4);
  EXPECT_EQ(anything.out, "");
  EXPECT_EQ(anything.err, "");
}

TEST_F(MatcherTest, PatternMustCoverTheWholeInput) {
  const std::string file = Responses("north\n(?!)\n(?!)\n");
  const Outcome outcome = Match(file, "go north");
  EXPECT_EQ(outcome.code, 3);  // the number of lines read
  EXPECT_EQ(outcome.out, kSorry);
  EXPECT_EQ(Match(file, "northern").code, 3);
}

TEST_F(MatcherTest, InputIsLowercasedOnlyForAsciiLetters) {
  const std::string file = Responses("north\n\xC3\x89t\xC3\xA9\n(?!)\n");
  EXPECT_EQ(Match(file, "NoRtH").code, 1);
  // Bytes of 0x80 and above are passed through untouched, so UTF-8 survives as typed.
  EXPECT_EQ(Match(file, "\xC3\x89t\xC3\xA9").code, 2);
  EXPECT_EQ(Match(file, "\xC3\x89T\xC3\xA9").code, 2);

  std::string bytes;
  for (int b = 0; b < 256; ++b)
    bytes.push_back(static_cast<char>(b));
  std::string lowered = bytes;
  LowercaseAscii(lowered);
  for (int b = 0; b < 256; ++b) {
    const char expected = (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : bytes[b];
    EXPECT_EQ(lowered[b], expected) << "byte " << b;
  }
}

TEST_F(MatcherTest, PatternsWithCapitalsNeverMatchLetters) {
  const std::string file = Responses("North\n(?!)\n");
  EXPECT_EQ(Match(file, "North").code, 2);
}

TEST_F(MatcherTest, EmptyInputMatchesOnlyAnEmptyPattern) {
  EXPECT_EQ(Match(Responses("north\n\nsouth\n"), "").code, 2);
  const Outcome none = Match(Responses("north\nsouth\n"), "");
  EXPECT_EQ(none.code, 2);
  EXPECT_EQ(none.out, kSorry);
}

TEST_F(MatcherTest, LineEndsAndTheLastLine) {
  // CRLF lines lose their carriage return; a last line without a line feed still counts; a
  // final line feed does not make an extra empty line.
  EXPECT_EQ(Match(Responses("north\r\nsouth\r\n"), "south").code, 2);
  EXPECT_EQ(Match(Responses("north\nsouth"), "south").code, 2);
  EXPECT_EQ(Match(Responses("north\nsouth\n"), "west").code, 2);
  EXPECT_EQ(Match(Responses("north\nsouth\n"), "").code, 2);
}

TEST_F(MatcherTest, UnopenableFileIsReportedAndGivesOne) {
  for (const std::string& file : {dir_.path() + "/missing.txt", dir_.path()}) {
    const Outcome outcome = Match(file, "north");
    EXPECT_EQ(outcome.code, 1) << file;
    EXPECT_EQ(outcome.err, "\nError: Unable to open the file.\n") << file;
    EXPECT_EQ(outcome.out, "") << file;
  }
}

TEST_F(MatcherTest, EmptyFileUnderstandsNothing) {
  const Outcome outcome = Match(Responses(""), "north");
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, kSorry);
}

TEST_F(MatcherTest, InvalidPatternIsReportedAndSkippedWithoutShiftingCodes) {
  const std::string file = Responses("(unclosed\nnorth\n[z-a]\nsouth\n");
  const Outcome north = Match(file, "north");
  EXPECT_EQ(north.code, 2);
  // One line, naming the file and the line; line 3 is never reached.
  EXPECT_EQ(north.err.rfind(file + ":1: not a valid pattern: ", 0), 0u);
  EXPECT_EQ(std::count(north.err.begin(), north.err.end(), '\n'), 1);

  const Outcome south = Match(file, "south");
  EXPECT_EQ(south.code, 4);
  EXPECT_NE(south.err.find(":1: "), std::string::npos);
  EXPECT_NE(south.err.find(":3: "), std::string::npos);
  EXPECT_EQ(south.out, "");
}

TEST_F(MatcherTest, OverlongInputIsNotUnderstoodWithoutTryingAnyPattern) {
  // ".*" would match anything, and would recurse once per character if it were tried.
  const std::string file = Responses(".*\n(unclosed\n.*\n");
  EXPECT_EQ(Match(file, std::string(kMaxInputBytes, 'a')).code, 1);

  const Outcome outcome = Match(file, std::string(kMaxInputBytes + 1, 'a'));
  EXPECT_EQ(outcome.code, 3);
  EXPECT_EQ(outcome.out, kSorry);
  EXPECT_EQ(outcome.err, "");  // the invalid line was never compiled
}

TEST_F(MatcherTest, NulBytesAreOrdinaryCharacters) {
  const std::string file = Responses("north\n.\n(?!)\n");
  EXPECT_EQ(Match(file, std::string("\0", 1)).code, 2);
  EXPECT_EQ(Match(file, std::string("north\0", 6)).code, 3);
}

TEST_F(MatcherTest, ReadsTheFileAfreshOnEveryCall) {
  const std::string file = Responses("north\n(?!)\n");
  EXPECT_EQ(Match(file, "south").code, 2);
  Responses("north\nsouth\n");
  EXPECT_EQ(Match(file, "south").code, 2);
  Responses("south\n");
  EXPECT_EQ(Match(file, "south").code, 1);
}

TEST_F(MatcherTest, GameMatcherUsesTheWorkingDirectory) {
  dir_.Write(kResponseFileName, "(?!)\nnorth\n(?!)\n");
  const std::string before = std::filesystem::current_path().string();
  ASSERT_EQ(chdir(dir_.path().c_str()), 0);
  CaptureStdout();
  const int code = MatchResponse("NORTH");
  GetCapturedStdout();
  ASSERT_EQ(chdir(before.c_str()), 0);
  EXPECT_EQ(code, 2);
}

}  // namespace
