#ifndef PRISMORA_INPUT_MATCH_RESPONSE_H_
#define PRISMORA_INPUT_MATCH_RESPONSE_H_

#include <cstddef>
#include <cstdint>
#include <string>

// The vocabulary file, looked up in the working directory.
constexpr char kResponseFileName[] = "PlayerResponse.txt";

// Longer input is never handed to a pattern: the regex engine recurses once per character and
// would overflow the stack on a long enough line. Such a line is simply not understood.
constexpr std::size_t kMaxInputBytes = 256;

// Lowercases the input and returns the 1-based number of the first line of the response file
// whose pattern matches all of it; a catch-all line (code::kTriedLast) counts only when no other
// line matches. When nothing matches, prints the sorry line and returns the
// number of lines read; when the file cannot be opened, prints an error line and returns 1.
// The file is read afresh on every call, so an edit takes effect at the next line typed; a line
// whose text is unchanged since the last call keeps its compiled pattern.
std::int32_t MatchResponse(std::string input);

// The same, against a response file at any path (the checker and the tests use it).
std::int32_t MatchResponseIn(const std::string& path, std::string input);

// The same without the sorry line, for the answer to a question, where a line not understood is
// simply not the answer asked for.
std::int32_t MatchAnswer(std::string input);

// How one pattern fares against one input, as the matcher judges it: a runaway match counts as no
// match; a pattern the engine rejects is invalid and `why` gets the engine's message.
enum class PatternResult { kMatch, kNoMatch, kInvalid };
PatternResult TryPattern(const std::string& pattern, const std::string& input, std::string* why);

// Only A to Z change; every other byte, 0x80 and above included, passes unchanged.
void LowercaseAscii(std::string& text);

#endif  // PRISMORA_INPUT_MATCH_RESPONSE_H_
