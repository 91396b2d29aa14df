#include "response_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "response_codes.h"
#include "test_support.h"

namespace {

// The shortest file that holds every meaningful code.
constexpr int kShortest = code::kHighestMeaningful + 1;

// A response file of `count` lines, every line "(?!)" unless given.
std::string Lines(const std::map<int, std::string>& given, int count = kShortest) {
  std::string text;
  for (int line = 1; line <= count; ++line) {
    const auto it = given.find(line);
    text += (it == given.end() ? "(?!)" : it->second) + "\n";
  }
  return text;
}

using Found = std::vector<std::pair<FindingKind, int>>;

// A response file and the findings it must give, kind and line, in order.
struct Case {
  const char* what;
  std::string contents;
  Found found;
};

TEST(ResponseCheckTest, EachProblemIsFoundWhereItIs) {
  using K = FindingKind;
  const Case cases[] = {
      {"clean", Lines({{2, "start"}, {10, "(go )?north"}, {240, "i|inventory"}}), {}},
      {"invalid",
       Lines({{12, "(go north"}, {40, "look[around"}}),
       {{K::kInvalidPattern, 12}, {K::kInvalidPattern, 40}}},
      // Escapes may hold capitals (\S, \x53, \u0057, \cA); a class of capitals may not.
      {"capitals",
       Lines({{10, "North"},
              {17, "go\\S*east"},
              {24, "\\x53outh|south"},
              {31, "\\u0057est|west"},
              {38, "look|[A-Z]+"},
              {68, "talk to \\cAcerule"}}),
       {{K::kUpperCase, 10}, {K::kUpperCase, 38}}},
      // Unrecognised input would show the inventory, and the highest codes lie beyond the end.
      {"240 lines", Lines({}, 240), {{K::kLineCountHasMeaning, 0}, {K::kTooShort, 0}}},
      {"240 lines, the last without a line feed",
       Lines({}, 240).substr(0, Lines({}, 240).size() - 1),
       {{K::kLineCountHasMeaning, 0}, {K::kTooShort, 0}}},
      {"as many lines as the highest code",
       Lines({}, kShortest - 1),
       {{K::kLineCountHasMeaning, 0}, {K::kTooShort, 0}}},
      {"one line more", Lines({}, kShortest), {}},
      // Lines without meaning must not catch empty input or common words; meaningful lines may
      // be as broad as they like.
      {"greedy",
       Lines({{1, ""}, {9, "zzz.*"}, {10, ".*north.*"}, {73, ".*"}, {74, "h.+"}, {85, "north"}}),
       {{K::kGreedyGapLine, 1},
        {K::kGreedyGapLine, 73},
        {K::kGreedyGapLine, 74},
        {K::kGreedyGapLine, 85}}},
      // A carriage return before the line feed is not part of the pattern: line 92 is empty.
      {"crlf",
       [] {
         std::string crlf;
         for (const char c : Lines({{10, "(go )?north"}, {92, ""}}))
           crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
         return crlf;
       }(),
       {{K::kGreedyGapLine, 92}}},
      // Each "a" may be either branch: a line of a's that fails at its end tries every way.
      {"slow",
       Lines({{10, "(?:go +)?north"}, {17, "(a|a)*b"}, {38, "look(?: +around)*"}}),
       {{K::kSlowPattern, 17}}},
  };
  for (const Case& c : cases) {
    Found found;
    for (const Finding& finding : CheckResponseFile(WriteTempFile("r.txt", c.contents)))
      found.emplace_back(finding.kind, finding.line);
    EXPECT_EQ(found, c.found) << c.what;
  }
  for (const Finding& finding : CheckResponseFile(PRISMORA_SHIPPED_RESPONSES))
    ADD_FAILURE() << FormatFinding("PlayerResponse.txt", finding);
}

}  // namespace
