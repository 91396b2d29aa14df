#include "input/match_response.h"

#include <filesystem>
#include <fstream>
#include <regex>

#include "text/console.h"

namespace {

void DropTrailingCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
}

void ReportUnopenable() {
  SayError(Text::kNoResponseFile);
}

}  // namespace

// std::regex reports bad patterns and runaway matches only by throwing; nothing else in the game
// throws, so this is the one place that catches.
PatternResult TryPattern(const std::string& pattern, const std::string& input, std::string* why) {
  try {
    const std::regex compiled(pattern);
    return std::regex_match(input, compiled) ? PatternResult::kMatch : PatternResult::kNoMatch;
  } catch (const std::regex_error& error) {
    if (error.code() == std::regex_constants::error_complexity ||
        error.code() == std::regex_constants::error_stack) {
      return PatternResult::kNoMatch;
    }
    *why = error.what();
    return PatternResult::kInvalid;
  }
}

void LowercaseAscii(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
}

std::int32_t MatchResponse(std::string input) {
  return MatchResponseIn(kResponseFileName, std::move(input));
}

std::int32_t MatchResponseIn(const std::string& path, std::string input) {
  LowercaseAscii(input);

  // A directory opens as a stream on POSIX and then reads as an empty file; it is no more a
  // response file than a missing one.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    ReportUnopenable();
    return 1;
  }
  std::ifstream file(path);
  if (!file.is_open()) {
    ReportUnopenable();
    return 1;
  }

  const bool tooLong = input.size() > kMaxInputBytes;
  std::int32_t counter = 0;
  std::string line;
  while (std::getline(file, line)) {
    ++counter;
    if (tooLong)
      continue;  // still counted, so the code is the one any unmatched line gets
    DropTrailingCarriageReturn(line);
    std::string why;
    const PatternResult result = TryPattern(line, input, &why);
    if (result == PatternResult::kMatch)
      return counter;
    if (result == PatternResult::kInvalid) {
      SayError(Text::kBadPattern, {path, std::to_string(counter), why});
    }
  }
  Say(Text::kSorry);
  return counter;
}
