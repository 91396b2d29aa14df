#include "response_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

// A response file of `count` lines, every line "(?!)" unless given.
std::string Lines(const std::map<int, std::string>& given, int count = 300) {
  std::string text;
  for (int line = 1; line <= count; ++line) {
    const auto it = given.find(line);
    text += (it == given.end() ? "(?!)" : it->second) + "\n";
  }
  return text;
}

std::vector<Finding> Of(FindingKind kind, const std::vector<Finding>& findings) {
  std::vector<Finding> picked;
  std::copy_if(findings.begin(), findings.end(), std::back_inserter(picked),
               [kind](const Finding& f) { return f.kind == kind; });
  return picked;
}

std::vector<int> LinesOf(FindingKind kind, const std::vector<Finding>& findings) {
  std::vector<int> lines;
  for (const Finding& f : Of(kind, findings))
    lines.push_back(f.line);
  return lines;
}

class ResponseCheckTest : public testing::Test {
 protected:
  std::vector<Finding> Check(const std::string& contents) {
    return CheckResponseFile(dir_.Write("r.txt", contents));
  }
  TempDir dir_;
};

TEST_F(ResponseCheckTest, CleanFileHasNoFindings) {
  EXPECT_TRUE(Check(Lines({{2, "start"}, {10, "(go )?north"}, {240, "i|inventory"}})).empty());
}

TEST_F(ResponseCheckTest, CarriageReturnsAreNotPartOfThePattern) {
  // As for the matcher, "\r\n" ends a line: line 7 is then an empty pattern, which catches
  // empty input, and line 10 matches without a trailing "\r".
  std::string crlf;
  for (const char c : Lines({{7, ""}, {10, "(go )?north"}})) {
    if (c == '\n')
      crlf += '\r';
    crlf += c;
  }
  const std::string file = dir_.Write("crlf.txt", crlf);
  const std::vector<Finding> findings = CheckResponseFile(file);
  EXPECT_EQ(LinesOf(FindingKind::kGreedyGapLine, findings), (std::vector<int>{7}));
  EXPECT_EQ(findings.size(), 1u);
  EXPECT_EQ(DescribePhrase("go north", ExplainPhrase(file, "go north")), "go north -> 10 go north");
}

TEST_F(ResponseCheckTest, MissingFileIsOneFinding) {
  const std::vector<Finding> findings = CheckResponseFile(dir_.path() + "/absent.txt");
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].kind, FindingKind::kUnopenable);
  EXPECT_EQ(FormatFinding("absent.txt", findings[0]), "absent.txt: cannot open the file");
}

TEST_F(ResponseCheckTest, InvalidPatternsNamedByLineWithTheEnginesMessage) {
  const std::vector<Finding> findings =
      Check(Lines({{12, "(go north"}, {40, "look[around"}, {121, "take the yellow stone"}}));
  EXPECT_EQ(LinesOf(FindingKind::kInvalidPattern, findings), (std::vector<int>{12, 40}));

  std::string engine;
  try {
    std::regex bad("(go north");
  } catch (const std::regex_error& error) {
    engine = error.what();
  }
  ASSERT_FALSE(engine.empty());
  EXPECT_EQ(FormatFinding("r.txt", Of(FindingKind::kInvalidPattern, findings)[0]),
            "r.txt:12: not a valid pattern: " + engine);
}

TEST_F(ResponseCheckTest, CapitalsOutsideEscapesAreReported) {
  const std::vector<Finding> findings = Check(Lines({
      {10, "North"},               // can never match the lowercased input
      {17, "go\\S*east"},          // \S is an escape, fine
      {24, "\\x53outh|south"},     // hex digits of \x are part of the escape
      {31, "\\u0057est|west"},     // so are those of \u
      {38, "look|[A-Z]+"},         // a class of capitals is still capitals
      {68, "talk to \\cAcerule"},  // the letter of \c too
  }));
  EXPECT_EQ(LinesOf(FindingKind::kUpperCase, findings), (std::vector<int>{10, 38}));
  EXPECT_NE(Of(FindingKind::kUpperCase, findings)[0].message.find("'N' at column 1"),
            std::string::npos);
}

TEST_F(ResponseCheckTest, LineCountInsideAReactingRangeIsReported) {
  // 240 lines: unrecognised input would show the inventory.
  const std::vector<Finding> inventory = Check(Lines({}, 240));
  ASSERT_EQ(Of(FindingKind::kLineCountHasMeaning, inventory).size(), 1u);
  EXPECT_NE(inventory[0].message.find("show the inventory"), std::string::npos);
  EXPECT_EQ(Of(FindingKind::kTooShort, inventory).size(), 1u);

  // 284 lines: the last meaningful code; 285 and 239 mean nothing, but 239 is too short.
  EXPECT_EQ(Of(FindingKind::kLineCountHasMeaning, Check(Lines({}, 284))).size(), 1u);
  EXPECT_TRUE(Check(Lines({}, 285)).empty());
  const std::vector<Finding> shortFile = Check(Lines({}, 239));
  EXPECT_TRUE(Of(FindingKind::kLineCountHasMeaning, shortFile).empty());
  EXPECT_EQ(Of(FindingKind::kTooShort, shortFile).size(), 1u);

  // A final line without a line feed still counts, as it does for the matcher.
  std::string unterminated = Lines({}, 240);
  unterminated.pop_back();
  EXPECT_EQ(Of(FindingKind::kLineCountHasMeaning, Check(unterminated)).size(), 1u);
}

TEST_F(ResponseCheckTest, GreedyGapLinesAreReportedMeaningfulLinesAreNot) {
  const std::vector<Finding> findings = Check(Lines({
      {1, ""},            // an empty line catches every empty input
      {7, ".*"},          // catches everything
      {8, "h.+"},         // catches "hello" and "help"
      {9, "zzz.*"},       // greedy, but nothing ordinary
      {10, ".*north.*"},  // meaningful lines may be as broad as they like
      {16, "north"},      // a gap line that steals a direction
  }));
  EXPECT_EQ(LinesOf(FindingKind::kGreedyGapLine, findings), (std::vector<int>{1, 7, 8, 16}));
  EXPECT_NE(Of(FindingKind::kGreedyGapLine, findings)[3].message.find("\"north\""),
            std::string::npos);
}

TEST_F(ResponseCheckTest, SlowPatternsAreNamedByLineAndTheShippedFileHasNone) {
  // Each "a" may be either branch: a line of a's that fails at its end tries every way.
  const std::vector<Finding> findings =
      Check(Lines({{10, "(?:go +)?north"}, {17, "(a|a)*b"}, {38, "look(?: +around)*"}}));
  EXPECT_EQ(LinesOf(FindingKind::kSlowPattern, findings), (std::vector<int>{17}));
  EXPECT_EQ(findings.size(), 1u);
  EXPECT_NE(findings[0].message.find("\"aaaa"), std::string::npos) << findings[0].message;

  for (const Finding& finding : CheckResponseFile(PRISMORA_SHIPPED_RESPONSES))
    ADD_FAILURE() << FormatFinding("PlayerResponse.txt", finding);
}

TEST_F(ResponseCheckTest, PhrasesGetCodeAndMeaningAndNothingLeaksToTheConsole) {
  const std::string file =
      dir_.Write("r.txt", Lines({{7, "hello"}, {121, "take (the )?yellow stone"}}));
  CaptureStdout();
  CaptureStderr();
  const PhraseResult taken = ExplainPhrase(file, "Take the Yellow Stone");
  const PhraseResult gap = ExplainPhrase(file, "hello");
  const PhraseResult unknown = ExplainPhrase(file, "xyzzy");
  EXPECT_EQ(GetCapturedStdout(), "");
  EXPECT_EQ(GetCapturedStderr(), "");

  EXPECT_EQ(DescribePhrase("Take the Yellow Stone", taken),
            "Take the Yellow Stone -> 121 take Yellow Stone");
  EXPECT_EQ(DescribePhrase("hello", gap), "hello -> 7 no meaning");
  EXPECT_EQ(DescribePhrase("xyzzy", unknown), "xyzzy -> 300 not understood");
  EXPECT_FALSE(unknown.matched);

  EXPECT_TRUE(ReachesMeaning(taken, "take Yellow Stone"));
  EXPECT_FALSE(ReachesMeaning(taken, "take Blue Stone"));
  EXPECT_FALSE(ReachesMeaning(taken, kNoMeaning));
  EXPECT_TRUE(ReachesMeaning(gap, kNoMeaning));
  EXPECT_TRUE(ReachesMeaning(unknown, kNoMeaning));
}

TEST_F(ResponseCheckTest, UnopenableFileIsNotAMatch) {
  CaptureStderr();
  const PhraseResult result = ExplainPhrase(dir_.path() + "/absent.txt", "north");
  GetCapturedStderr();
  EXPECT_EQ(result.code, 1);
  EXPECT_FALSE(result.matched);
}

TEST(CorpusLineTest, SplitsAtTheLastArrow) {
  CorpusEntry entry;
  ASSERT_TRUE(ParseCorpusLine("go north -> go north", &entry));
  EXPECT_EQ(entry.phrase, "go north");
  EXPECT_EQ(entry.meaning, "go north");
  ASSERT_TRUE(ParseCorpusLine("a -> b  -> none", &entry));
  EXPECT_EQ(entry.phrase, "a -> b ");
  EXPECT_EQ(entry.meaning, "none");
  ASSERT_TRUE(ParseCorpusLine("-> none", &entry));
  EXPECT_EQ(entry.phrase, "");
  ASSERT_TRUE(ParseCorpusLine("   -> none", &entry));
  EXPECT_EQ(entry.phrase, "  ");

  EXPECT_FALSE(ParseCorpusLine("go north", &entry));
  EXPECT_FALSE(ParseCorpusLine("go north -> ", &entry));
  EXPECT_FALSE(ParseCorpusLine("go north->go north", &entry));
}

}  // namespace
