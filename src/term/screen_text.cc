#include "term/screen_text.h"

std::string ScreenText::Next(std::string_view message, ColourDepth depth) {
  // The mark is a place in the message; a held line feed comes in front of it.
  const std::size_t shift = flow_.Holding() ? 1 : 0;
  std::size_t heading = headingFrom_ == kNoHeading ? kNoHeading : headingFrom_ + shift;
  std::string text = StyleText(flow_.Next(message), depth, heading);
  if (heading == kNoHeading)
    headingFrom_ = kNoHeading;
  else
    headingFrom_ = headingFrom_ > message.size() ? headingFrom_ - message.size() : 0;
  return text;
}
