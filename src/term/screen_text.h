#ifndef PRISMORA_TERM_SCREEN_TEXT_H_
#define PRISMORA_TERM_SCREEN_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "term/flow.h"
#include "term/style.h"

// What a screen shows of the game's messages, before the terminal wraps it or the page does:
// the messages flowed as one text (MessageFlow) and styled line by line, the marked heading in
// bold (StyleText). The terminal and the web page each hold one.
class ScreenText {
 public:
  // The first line with text from byte `at` of the message being held on is a heading.
  void MarkHeading(std::size_t at) { headingFrom_ = at; }

  // The message, flowed and styled; the heading mark applies to it alone.
  std::string Next(std::string_view message, ColourDepth depth);

  // Gives up the held line feed (MessageFlow::Release).
  bool Release() { return flow_.Release(); }

 private:
  MessageFlow flow_;
  std::size_t headingFrom_ = kNoHeading;
};

#endif  // PRISMORA_TERM_SCREEN_TEXT_H_
