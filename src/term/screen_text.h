#ifndef PRISMORA_TERM_SCREEN_TEXT_H_
#define PRISMORA_TERM_SCREEN_TEXT_H_

#include <cstddef>
#include <string_view>
#include <vector>

#include "term/flow.h"
#include "term/paragraphs.h"
#include "term/style.h"

// What a screen shows of the game's messages, before the terminal wraps it or the page lays it
// out: the messages flowed as one text (MessageFlow), set in paragraphs (ParagraphSetter) and
// styled piece by piece, the marked heading in bold (StyleLine). The terminal and the web page
// each hold one.
class ScreenText {
 public:
  // The first line with text from byte `at` of the message being held on is a heading.
  void MarkHeading(std::size_t at) { headingFrom_ = at; }

  // The message, flowed, set and styled; the heading mark applies to it alone.
  std::vector<SetPiece> Next(std::string_view message, ColourDepth depth);

  // The player's line comes next; whether a blank line goes above it (ParagraphSetter).
  bool PlayerLine() { return setter_.PlayerLine(flow_.Release()); }

  // The screen is cleared.
  void Clear() {
    flow_.Release();
    setter_.Clear();
  }

 private:
  MessageFlow flow_;
  ParagraphSetter setter_;
  std::size_t headingFrom_ = kNoHeading;
};

#endif  // PRISMORA_TERM_SCREEN_TEXT_H_
