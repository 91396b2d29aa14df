#ifndef PRISMORA_INPUT_LINE_READER_H_
#define PRISMORA_INPUT_LINE_READER_H_

#include <cstddef>
#include <istream>
#include <string>

// Where the player's lines come from. The stream is read byte by byte so that memory stays
// flat whatever arrives, even a line that never ends.
struct LineReader {
  std::istream* in = nullptr;
};

// Bytes kept of one line; anything past it is read and thrown away. One byte more than the
// matcher accepts, so an overlong line still looks overlong to it.
constexpr std::size_t kMaxKeptLineBytes = 257;

// Reads the next line into `line`, without its line feed and without a carriage return right
// before it. A last line without a line feed still counts. Returns false at end of input, when
// there was no line left to read.
bool ReadLine(LineReader& reader, std::string& line);

#endif  // PRISMORA_INPUT_LINE_READER_H_
