#include "term/flow.h"

#include <cstddef>

namespace {

// Lines shorter than this were laid out for an 80-column window and end where the text meant.
constexpr std::size_t kWrittenForNarrowWindow = 80;

std::size_t Characters(std::string_view line) {
  std::size_t count = 0;
  for (const char byte : line) {
    if ((static_cast<unsigned char>(byte) & 0xc0) != 0x80)  // not a UTF-8 continuation byte
      ++count;
  }
  return count;
}

bool EndsSentence(std::string_view line) {
  const std::size_t last = line.find_last_not_of(' ');
  if (last == std::string_view::npos)
    return false;
  line = line.substr(0, last + 1);
  constexpr std::string_view kClosingQuote = "\u201d";  // ”
  if (line.size() >= kClosingQuote.size() &&
      line.substr(line.size() - kClosingQuote.size()) == kClosingQuote)
    return true;
  switch (line.back()) {
    case '.':
    case '!':
    case '?':
    case ':':
    case '"':
    case ')':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string FlowParagraphs(std::string_view text) {
  std::string flowed(text);
  std::size_t lineStart = 0;
  for (std::size_t lineEnd = text.find('\n'); lineEnd != std::string_view::npos;
       lineStart = lineEnd + 1, lineEnd = text.find('\n', lineStart)) {
    const std::string_view before = text.substr(lineStart, lineEnd - lineStart);
    const std::size_t next = lineEnd + 1;
    if (next >= text.size() || text[next] == ' ' || text[next] == '\n')
      continue;
    if (Characters(before) < kWrittenForNarrowWindow)
      continue;
    if (before.front() != ' ' && EndsSentence(before))
      continue;
    flowed[lineEnd] = ' ';
  }
  return flowed;
}
