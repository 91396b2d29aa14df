#ifndef PRISMORA_INPUT_KEPT_LINE_H_
#define PRISMORA_INPUT_KEPT_LINE_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "input/match_response.h"

// Bytes kept of one line; anything past it is read and thrown away. One byte more than the
// matcher accepts, so an overlong line still looks overlong to it.
constexpr std::size_t kMaxKeptLineBytes = kMaxInputBytes + 1;

// Gives `line` the first line of `raw` as the game keeps every line it reads: up to the first
// line feed, without a carriage return right before it, at most kMaxKeptLineBytes. The line
// reader keeps a stream's lines so, and the line editor the lines that arrive whole.
void KeepLine(std::string_view raw, std::string& line);

#endif  // PRISMORA_INPUT_KEPT_LINE_H_
