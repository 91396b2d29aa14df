#ifndef PRISMORA_TERM_WRAP_H_
#define PRISMORA_TERM_WRAP_H_

#include <string>
#include <string_view>

// Appends `text` to `out`, broken at spaces so that no line is wider than `width` columns. A
// word is never split unless it alone is wider than the window. `column` is where the cursor
// stands on entry (0 at the start of a line) and where it stands after the text, so text written
// in pieces wraps as one.
//
// The text's own line feeds stay. A line's leading spaces (the paragraph indent) stay, shortened
// only as far as the first word needs to fit; the spaces where a line is broken are dropped, and
// the wrapped line continues at the left margin, but for a row of a list (the help guide's):
// indented one to four spaces, with a gap of two or more before its second column, it goes on
// under that column when the column starts in the window's first half. Width counts columns as the
// terminal shows them (CharColumns): two for a wide character, none for a combining mark, an escape
// sequence or another control byte; a wide character that would pass the edge starts the next line.
void WrapText(std::string_view text, int width, int& column, std::string& out);

#endif  // PRISMORA_TERM_WRAP_H_
