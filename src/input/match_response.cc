#include "input/match_response.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <vector>

#include "response_codes.h"
#include "text/console.h"

namespace {

// One line of a response file as last compiled. Compiling is nearly all the cost of a line the
// player types, and the file rarely changes between two lines, so a line whose text is the same
// as last time keeps its compiled pattern; an edited line is compiled afresh.
struct CompiledLine {
  bool compiled = false;
  std::string text;
  std::optional<std::regex> pattern;  // empty when the engine rejected the text
  std::string why;                    // the engine's message then, unless it ran out of room
};

const CompiledLine& Compile(std::vector<CompiledLine>& lines, std::size_t index,
                            const std::string& text) {
  if (index == lines.size())
    lines.emplace_back();
  CompiledLine& line = lines[index];
  if (line.compiled && line.text == text)
    return line;
  line = CompiledLine{true, text, std::nullopt, {}};
  try {
    line.pattern.emplace(text);
  } catch (const std::regex_error& error) {
    // Too complex to build is a pattern that matches nothing, as a runaway match is.
    if (error.code() != std::regex_constants::error_complexity &&
        error.code() != std::regex_constants::error_stack)
      line.why = error.what();
  }
  return line;
}

// Per file, by line number: its memory is bounded by the files' own size.
std::vector<CompiledLine>& CompiledLinesOf(const std::string& path) {
  static std::map<std::string, std::vector<CompiledLine>> files;
  return files[path];
}

void DropTrailingCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
}

// A catch-all line answers only when no other line of the file does.
bool TriedLast(std::int32_t line) {
  return std::find(code::kTriedLast.begin(), code::kTriedLast.end(), line) !=
         code::kTriedLast.end();
}

void ReportUnopenable() {
  SayError(Text::kNoResponseFile);
}

// std::regex reports bad patterns and runaway matches only by throwing; nothing else in the game
// throws, so this and Compile are the places that catch.
PatternResult Match(const std::regex& pattern, const std::string& input) {
  try {
    return std::regex_match(input, pattern) ? PatternResult::kMatch : PatternResult::kNoMatch;
  } catch (const std::regex_error&) {
    // A runaway match counts as no match; nothing else is thrown by a match.
    return PatternResult::kNoMatch;
  }
}

}  // namespace

// The first line of the file at `path` whose pattern matches all of `input` (see MatchResponse).
static std::int32_t MatchIn(const std::string& path, std::string input, bool saySorry);

PatternResult TryPattern(const std::string& pattern, const std::string& input, std::string* why) {
  std::vector<CompiledLine> one;
  const CompiledLine& line = Compile(one, 0, pattern);
  if (!line.pattern) {
    if (line.why.empty())
      return PatternResult::kNoMatch;
    *why = line.why;
    return PatternResult::kInvalid;
  }
  return Match(*line.pattern, input);
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

std::int32_t MatchAnswer(std::string input) {
  return MatchIn(kResponseFileName, std::move(input), false);
}

std::int32_t MatchResponseIn(const std::string& path, std::string input) {
  return MatchIn(path, std::move(input), true);
}

std::int32_t MatchIn(const std::string& path, std::string input, bool saySorry) {
  LowercaseAscii(input);

  // A directory opens as a stream on POSIX and then reads as an empty file; it is no more a
  // response file than a missing one.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    ReportUnopenable();
    return 1;
  }
  std::ifstream file(path, std::ios::binary);  // every byte, on Windows too
  if (!file.is_open()) {
    ReportUnopenable();
    return 1;
  }

  const bool tooLong = input.size() > kMaxInputBytes;
  std::vector<CompiledLine>& compiled = CompiledLinesOf(path);
  std::int32_t counter = 0;
  std::int32_t lastResort = 0;
  std::string line;
  while (std::getline(file, line)) {
    ++counter;
    if (tooLong)
      continue;  // still counted, so the code is the one any unmatched line gets
    DropTrailingCarriageReturn(line);
    const CompiledLine& pattern = Compile(compiled, static_cast<std::size_t>(counter - 1), line);
    if (!pattern.pattern) {
      if (!pattern.why.empty())
        SayError(Text::kBadPattern, {path, std::to_string(counter), pattern.why});
      continue;
    }
    if (TriedLast(counter)) {
      if (lastResort == 0 && Match(*pattern.pattern, input) == PatternResult::kMatch)
        lastResort = counter;
    } else if (Match(*pattern.pattern, input) == PatternResult::kMatch) {
      return counter;
    }
  }
  if (lastResort != 0)
    return lastResort;
  if (saySorry)
    Say(Text::kSorry);
  return counter;
}
