#ifndef PRISMORA_TOOLS_RESPONSE_CHECK_H_
#define PRISMORA_TOOLS_RESPONSE_CHECK_H_

#include <cstdint>
#include <string>
#include <vector>

// What can be wrong with a response file, as the people who edit it need to hear it.
enum class FindingKind {
  kUnopenable,           // the file cannot be read at all
  kInvalidPattern,       // the engine rejects the line; the game skips it
  kUpperCase,            // a capital outside an escape can never match the lowercased input
  kLineCountHasMeaning,  // the code of unrecognised input would trigger a reaction
  kTooShort,             // some meaningful codes lie beyond the last line
  kGreedyGapLine,        // a line without meaning catches empty input or a common word
  kSlowPattern,  // some typed line makes the engine backtrack long enough to freeze the game
};

struct Finding {
  FindingKind kind;
  std::int32_t line;  // 1-based; 0 for findings about the whole file
  std::string message;
};

// How long one typed line may take to match before the game seems to hang, in the game as it is
// shipped. A build under AddressSanitizer runs std::regex several times slower, so the same
// pattern gets as many times more there: the limit is for the pattern, not for the build.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowMatchMs = 60.0;
#else
constexpr double kSlowMatchMs = 10.0;
#endif

// Every problem found in the response file at `path`; empty when the file is clean. Each pattern
// is timed on inputs built from its own characters, repeated up to the longest line the game
// reads (see SlowInputFor).
std::vector<Finding> CheckResponseFile(const std::string& path);

// "PATH:LINE: message", or "PATH: message" for whole-file findings.
std::string FormatFinding(const std::string& path, const Finding& finding);

// What the game makes of one typed phrase.
struct PhraseResult {
  std::int32_t code;
  bool matched;         // false when no line matched (the sorry line case)
  const char* meaning;  // nullptr when the code means nothing anywhere
};

// Runs the game's own matcher; whatever it would print is swallowed.
PhraseResult ExplainPhrase(const std::string& path, const std::string& phrase);

// "take the yellow stone -> 121 take Yellow Stone"
std::string DescribePhrase(const std::string& phrase, const PhraseResult& result);

// One line of a phrase corpus: "PHRASE -> MEANING", where MEANING is a meaning from the table of
// codes or "none"; a line starting with "-> " stands for the empty phrase.
struct CorpusEntry {
  std::string phrase;
  std::string meaning;
};
constexpr char kNoMeaning[] = "none";

// False for lines that are not entries. Blank lines and lines starting with '#' are skipped by
// the caller, not here.
bool ParseCorpusLine(const std::string& line, CorpusEntry* entry);

// Whether a result is what the corpus asks for.
bool ReachesMeaning(const PhraseResult& result, const std::string& meaning);

#endif  // PRISMORA_TOOLS_RESPONSE_CHECK_H_
