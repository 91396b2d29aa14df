#include "term/wrap.h"

#include <algorithm>
#include <cstddef>

#include "term/char_width.h"

namespace {

constexpr char kEscape = '\x1b';

bool InRange(char byte, unsigned low, unsigned high) {
  const unsigned value = static_cast<unsigned char>(byte);
  return value >= low && value <= high;
}

// The bytes of the unit that starts at `at`: one escape sequence, or one UTF-8 character with its
// continuation bytes, or one other byte.
std::size_t UnitLength(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  if (text[at] == kEscape) {
    if (end < text.size() && text[end] == '[') {
      // CSI: parameter and intermediate bytes, then one final byte.
      ++end;
      while (end < text.size() && InRange(text[end], 0x20, 0x3f))
        ++end;
      if (end < text.size() && InRange(text[end], 0x40, 0x7e))
        ++end;
    } else if (end < text.size()) {
      ++end;  // ESC and one byte, as ESC 7
    }
    return end - at;
  }
  return DecodeAt(text, at).length;
}

// Columns the unit takes: none for control bytes and escape sequences, and as the terminal
// shows a character: two for a wide one, none for a combining mark.
int UnitColumns(std::string_view text, std::size_t at) {
  return CharColumns(DecodeAt(text, at).character);
}

// Writes one word that may be wider than the room left on the line: a unit that would pass the
// edge starts a new line.
void PutWord(std::string_view word, int width, int& column, std::string& out) {
  for (std::size_t at = 0; at < word.size();) {
    const std::size_t length = UnitLength(word, at);
    const int columns = UnitColumns(word, at);
    if (columns > 0 && column + columns > width) {
      out += '\n';
      column = 0;
    }
    out.append(word.substr(at, length));
    column += columns;
    at += length;
  }
}

}  // namespace

void WrapText(std::string_view text, int width, int& column, std::string& out) {
  width = std::max(width, 1);
  int lineIndent = 0;  // the spaces the text's current line starts with
  int hang = 0;        // where a row's second column starts; 0 for none
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '\n') {
      out += '\n';
      column = 0;
      hang = 0;
      ++at;
      continue;
    }
    const std::size_t wordStart = std::min(text.find_first_not_of(' ', at), text.size());
    const int spaces = static_cast<int>(wordStart - at);
    std::size_t wordEnd = wordStart;
    int wordColumns = 0;
    while (wordEnd < text.size() && text[wordEnd] != ' ' && text[wordEnd] != '\n') {
      wordColumns += UnitColumns(text, wordEnd);
      wordEnd += UnitLength(text, wordEnd);
    }
    const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
    at = wordEnd;

    const int room = std::max(width - column, 0);
    if (wordColumns == 0) {
      // Spaces before a line end, or before something invisible: as many as fit.
      out.append(static_cast<std::size_t>(std::min(spaces, room)), ' ');
      column += std::min(spaces, room);
    } else if (column == 0) {
      // An indent keeps the first word on its line.
      const int indent = std::min(spaces, std::max(width - wordColumns, 0));
      out.append(static_cast<std::size_t>(indent), ' ');
      column = indent;
      lineIndent = spaces;
    } else if (spaces + wordColumns <= room) {
      // A row of a list, indented less than a paragraph, with a gap before its second column:
      // its wrapped lines go on under that column, where it leaves half the window or more.
      if (hang == 0 && spaces >= 2 && lineIndent > 0 && lineIndent < 5 &&
          2 * (column + spaces) <= width)
        hang = column + spaces;
      out.append(static_cast<std::size_t>(spaces), ' ');
      column += spaces;
    } else {
      out += '\n';
      out.append(static_cast<std::size_t>(hang), ' ');
      column = hang;
    }
    PutWord(word, width, column, out);
  }
}
