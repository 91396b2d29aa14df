#include "input/line_reader.h"

#ifdef PRISMORA_LINE_EDITING
#include "input/line_editor.h"
#endif

bool ReadLine(LineReader& reader, std::string& line) {
#ifdef PRISMORA_LINE_EDITING
  if (reader.editor != nullptr)
    return ReadEditedLine(*reader.editor, line);
#endif
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

void KeepLine(std::string_view raw, std::string& line) {
  raw = raw.substr(0, raw.find('\n'));
  // As in ReadLine: a carriage return is dropped only when it was kept, i.e. within the bound.
  if (!raw.empty() && raw.back() == '\r' && raw.size() <= kMaxKeptLineBytes)
    raw.remove_suffix(1);
  line.assign(raw.substr(0, kMaxKeptLineBytes));
}
