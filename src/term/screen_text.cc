#include "term/screen_text.h"

#include <string>
#include <utility>

std::vector<SetPiece> ScreenText::Next(std::string_view message, ColourDepth depth) {
  // The mark is a place in the message; a held line feed comes in front of it.
  const std::size_t shift = flow_.Holding() ? 1 : 0;
  const std::size_t heading = headingFrom_ == kNoHeading ? kNoHeading : headingFrom_ + shift;
  headingFrom_ = kNoHeading;
  std::vector<SetPiece> pieces = setter_.Next(flow_.Next(message), heading);
  for (SetPiece& piece : pieces) {
    std::string styled;
    StyleLine(piece.text, depth, piece.block == Block::kHeading, styled);
    piece.text = std::move(styled);
  }
  return pieces;
}
