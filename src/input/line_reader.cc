#include "input/line_reader.h"

#ifdef PRISMORA_LINE_EDITING
#include "input/line_editor.h"
#endif

namespace {

bool ReadOneLine(LineReader& reader, std::string& line) {
#ifdef PRISMORA_LINE_EDITING
  if (reader.editor != nullptr)
    return ReadEditedLine(*reader.editor, line);
#endif
  // Keep one byte past the bound: enough for KeepLine to tell whether a carriage return
  // stood within it, and everything after is the same however long the line runs on.
  std::string raw;
  std::streambuf* buffer = reader.in->rdbuf();
  bool readAnything = false;
  for (;;) {
    const int next = buffer->sbumpc();
    if (next == std::char_traits<char>::eof()) {
      reader.in->setstate(std::ios::eofbit);
      break;
    }
    readAnything = true;
    if (next == '\n')
      break;
    if (raw.size() <= kMaxKeptLineBytes)
      raw.push_back(static_cast<char>(next));
  }
  KeepLine(raw, line);
  return readAnything;
}

}  // namespace

bool ReadLine(LineReader& reader, std::string& line) {
  if (reader.beforeLine != nullptr && !reader.beforeLine(reader.editor == nullptr)) {
    line.clear();
    return false;
  }
  const bool read = ReadOneLine(reader, line);
  if (!read && reader.atEnd != nullptr)
    reader.atEnd();
  return read;
}
