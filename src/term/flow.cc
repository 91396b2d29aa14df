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

std::string MessageFlow::Next(std::string_view message) {
  // The line before goes in front, so the rule sees both sides of each line feed.
  std::string context = lineSoFar_;
  if (held_)
    context += '\n';
  const std::size_t before = context.size();
  context.append(message);
  const std::string flowed = FlowParagraphs(context);
  std::string ready = held_ ? std::string(1, flowed[before - 1]) : std::string();
  ready.append(flowed, before, std::string::npos);
  held_ = !ready.empty() && ready.back() == '\n';
  if (held_)
    ready.pop_back();
  // The line the next message's first line feed follows.
  const std::size_t lastEnd = context.size() - (held_ ? 1 : 0);
  // No line feed before it: npos + 1 is 0, the start.
  const std::size_t lastStart = lastEnd == 0 ? 0 : context.rfind('\n', lastEnd - 1) + 1;
  lineSoFar_ = context.substr(lastStart, lastEnd - lastStart);
  return ready;
}

bool MessageFlow::Release() {
  lineSoFar_.clear();
  const bool held = held_;
  held_ = false;
  return held;
}
