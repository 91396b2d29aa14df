#ifndef PRISMORA_INPUT_LINE_READER_H_
#define PRISMORA_INPUT_LINE_READER_H_

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "input/kept_line.h"

struct LineEditor;

// Where the player's lines come from. The stream is read byte by byte so that memory stays
// flat whatever arrives, even a line that never ends.
// At a terminal, lines come through the line editor instead, when the game is built with one.
struct LineReader {
  std::istream* in = nullptr;
  LineEditor* editor = nullptr;  // not owned; null: read `in`
  // Called before each line is read, with whether the line editor is not in use; returning
  // false ends the input. The terminal's StartPlayerLine, at a terminal.
  bool (*beforeLine)(bool withoutEditor) = nullptr;
  // Called when the input ends where a line was to be read. The terminal's EndOfInput.
  void (*atEnd)() = nullptr;
};

// Reads the next line into `line`, without its line feed and without a carriage return right
// before it. A last line without a line feed still counts. Returns false at end of input, when
// there was no line left to read.
bool ReadLine(LineReader& reader, std::string& line);

#endif  // PRISMORA_INPUT_LINE_READER_H_
