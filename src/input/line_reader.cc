#include "input/line_reader.h"

bool ReadLine(LineReader& reader, std::string& line) {
  line.clear();
  std::streambuf* buffer = reader.in->rdbuf();
  bool readAnything = false;
  bool lastWasCarriageReturn = false;
  for (;;) {
    const int next = buffer->sbumpc();
    if (next == std::char_traits<char>::eof()) {
      reader.in->setstate(std::ios::eofbit);
      break;
    }
    readAnything = true;
    if (next == '\n')
      break;
    lastWasCarriageReturn = next == '\r' && line.size() < kMaxKeptLineBytes;
    if (line.size() < kMaxKeptLineBytes)
      line.push_back(static_cast<char>(next));
  }
  if (lastWasCarriageReturn)
    line.pop_back();
  return readAnything;
}
