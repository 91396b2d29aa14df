#include "term/screen_text.h"

std::string ScreenText::Next(std::string_view message, ColourDepth depth) {
  // The mark is a place in the message; a held line feed comes in front of it.
  const std::size_t shift = flow_.Holding() ? 1 : 0;
  std::size_t heading = headingFrom_ == kNoHeading ? kNoHeading : headingFrom_ + shift;
  headingFrom_ = kNoHeading;
  return StyleText(flow_.Next(message), depth, heading);
}
