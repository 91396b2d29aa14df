#include "response_check.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <regex>
#include <sstream>

#include "input/match_response.h"
#include "response_codes.h"
#include "slow_match.h"
#include "text/console.h"

namespace {

// Inputs that no line without a meaning may catch: empty input, and words any player types.
const char* const kCommonInputs[] = {
    "",     "a",     "i",          "the",  "yes",       "no",    "hello", "hi", "help",
    "go",   "look",  "take",       "get",  "drop",      "use",   "n",     "s",  "e",
    "w",    "north", "south",      "east", "west",      "stone", "key",   "it", "what",
    "quit", "start", "cast magic", "talk", "inventory", "xyzzy", "hint",  "?",
};

// Index of the first capital letter outside an escape, or npos. After a backslash the next
// character is part of the escape, and so are the digits of \xHH, \uHHHH and the letter of \cX.
std::size_t FirstCapitalOutsideEscape(const std::string& pattern) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '\\') {
      if (i + 1 >= pattern.size())
        break;
      const char escaped = pattern[i + 1];
      std::size_t extra = 0;
      if (escaped == 'x')
        extra = 2;
      else if (escaped == 'u')
        extra = 4;
      else if (escaped == 'c')
        extra = 1;
      i += 1 + extra;
      continue;
    }
    if (c >= 'A' && c <= 'Z')
      return i;
  }
  return std::string::npos;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// Long inputs shortened to their start and end, and bytes a terminal would not show escaped.
std::string Shown(const std::string& input) {
  const std::string shortened =
      input.size() <= 40 ? input : input.substr(0, 30) + "..." + input.substr(input.size() - 6);
  std::string shown;
  for (const char c : shortened) {
    if (static_cast<unsigned char>(c) < 0x20) {
      static const char kHex[] = "0123456789abcdef";
      shown += std::string("\\x") + kHex[(c >> 4) & 0xf] + kHex[c & 0xf];
    } else {
      shown += c;
    }
  }
  return Quoted(shown);
}

void CheckSpeed(std::int32_t number, const std::string& line, std::vector<Finding>* findings) {
  std::regex compiled;
  try {
    compiled.assign(line);
  } catch (const std::regex_error&) {
    return;  // reported as invalid already
  }
  if (const std::optional<SlowMatch> slow = SlowInputFor(compiled, line, kSlowMatchMs)) {
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.0f", slow->ms);
    findings->push_back({FindingKind::kSlowPattern, number,
                         "takes " + std::string(ms) + " ms to match a typed line of " +
                             std::to_string(slow->input.size()) + " bytes, " + Shown(slow->input) +
                             "; the game would freeze: avoid repetitions that can match the same "
                             "text in several ways, such as (a|a)* or (a+)+"});
  }
}

void CheckLine(std::int32_t number, const std::string& line, std::vector<Finding>* findings) {
  std::string why;
  if (TryPattern(line, "", &why) == PatternResult::kInvalid) {
    findings->push_back({FindingKind::kInvalidPattern, number, "not a valid pattern: " + why});
    return;
  }
  const std::size_t capital = FirstCapitalOutsideEscape(line);
  if (capital != std::string::npos) {
    findings->push_back({FindingKind::kUpperCase, number,
                         "upper-case '" + std::string(1, line[capital]) + "' at column " +
                             std::to_string(capital + 1) +
                             " never matches: the input is lowercased"});
  }
  CheckSpeed(number, line, findings);
  if (MeaningOf(number) != nullptr)
    return;
  for (const char* common : kCommonInputs) {
    if (TryPattern(line, common, &why) == PatternResult::kMatch) {
      findings->push_back({FindingKind::kGreedyGapLine, number,
                           "line without meaning matches " + Quoted(common) +
                               "; use a pattern that ordinary input never matches, such as (?!)"});
      return;
    }
  }
}

}  // namespace

std::vector<Finding> CheckResponseFile(const std::string& path) {
  std::vector<Finding> findings;
  std::error_code ignored;
  std::ifstream file(path, std::ios::binary);  // every byte, on Windows too
  if (std::filesystem::is_directory(path, ignored) || !file.is_open()) {
    findings.push_back({FindingKind::kUnopenable, 0, "cannot open the file"});
    return findings;
  }
  // Lines are counted exactly as the matcher counts them.
  std::int32_t count = 0;
  std::string line;
  while (std::getline(file, line)) {
    ++count;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    CheckLine(count, line, &findings);
  }
  if (const CodeMeaning* meaning = MeaningOf(count)) {
    findings.push_back({FindingKind::kLineCountHasMeaning, 0,
                        std::to_string(count) + " lines: unrecognised input would get code " +
                            std::to_string(count) + " (" + meaning->meaning + ")"});
  }
  if (count <= code::kHighestMeaningful) {
    findings.push_back({FindingKind::kTooShort, 0,
                        std::to_string(count) + " lines: the game gives meaning to codes up to " +
                            std::to_string(code::kHighestMeaningful) +
                            ", and the file must be longer than that"});
  }
  return findings;
}

std::string FormatFinding(const std::string& path, const Finding& finding) {
  if (finding.line == 0)
    return path + ": " + finding.message;
  return path + ":" + std::to_string(finding.line) + ": " + finding.message;
}

PhraseResult ExplainPhrase(const std::string& path, const std::string& phrase) {
  // The matcher talks to the player; here its words would only garble the report.
  std::ostringstream out;
  std::ostringstream err;
  std::int32_t code = 0;
  {
    const ConsoleRedirect capture(out, err);
    code = MatchResponseIn(path, phrase);
  }
  const bool matched = out.str().empty() && err.str() != Fill(Text::kNoResponseFile) + "\n";
  const CodeMeaning* meaning = matched ? MeaningOf(code) : nullptr;
  return {code, matched, meaning != nullptr ? meaning->meaning : nullptr};
}

std::string DescribePhrase(const std::string& phrase, const PhraseResult& result) {
  std::string text = phrase + " -> " + std::to_string(result.code) + " ";
  if (!result.matched)
    return text + "not understood";
  return text + (result.meaning != nullptr ? result.meaning : "no meaning");
}

bool ParseCorpusLine(const std::string& line, CorpusEntry* entry) {
  static const char kArrow[] = " -> ";
  if (line.rfind("-> ", 0) == 0) {
    *entry = {"", line.substr(3)};
    return !entry->meaning.empty();
  }
  const std::size_t at = line.rfind(kArrow);
  if (at == std::string::npos)
    return false;
  *entry = {line.substr(0, at), line.substr(at + std::strlen(kArrow))};
  return !entry->meaning.empty();
}

bool ReachesMeaning(const PhraseResult& result, const std::string& meaning) {
  if (meaning == kNoMeaning)
    return result.meaning == nullptr;
  return result.meaning != nullptr && meaning == result.meaning;
}
