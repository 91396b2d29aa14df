#include "term/paragraphs.h"

#include <cctype>

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where the second column of a row starts: the line is indented one to four spaces and has a
// gap of two spaces or more after its first column. 0 when the line is no row.
std::size_t SecondColumn(std::string_view line) {
  const std::size_t indent = line.find_first_not_of(' ');
  if (indent == 0 || indent > 4 || indent == kNone)
    return 0;
  const std::size_t gap = line.find("  ", indent);
  if (gap == kNone)
    return 0;
  const std::size_t second = line.find_first_not_of(' ', gap);
  return second == kNone ? 0 : second;
}

bool HasWord(std::string_view line) {
  for (const char byte : line) {
    if (std::isalnum(static_cast<unsigned char>(byte)) != 0)
      return true;
  }
  return false;
}

}  // namespace

std::vector<SetPiece> ParagraphSetter::Next(std::string_view flowed, std::size_t headingFrom) {
  std::vector<SetPiece> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t lineEnd = flowed.find('\n', start);
    const std::size_t end = lineEnd == kNone ? flowed.size() : lineEnd;
    const std::string_view part = flowed.substr(start, end - start);
    if (inLine_ && !part.empty()) {
      pieces.push_back({block_, false, false, std::string(part)});
    } else if (!inLine_ && part.find_first_not_of(' ') != kNone) {
      const bool heading = headingFrom != kNone && end > headingFrom;
      if (heading)
        headingFrom = kNone;
      StartLine(part, heading, pieces);
    } else if (!inLine_ && (lineEnd != kNone || !part.empty())) {
      blankSeen_ = true;  // an empty line, or one of spaces only
    }
    if (const std::size_t last = part.find_last_not_of(' '); last != kNone)
      lastEndsInColon_ = part[last] == ':';
    if (lineEnd == kNone)
      break;
    // The line ends; one that ends in a colon leads into a list.
    if (inLine_ && lastEndsInColon_)
      inList_ = true;
    inLine_ = false;
    start = lineEnd + 1;
  }
  if (!pieces.empty())
    above_ = Above::kText;
  return pieces;
}

void ParagraphSetter::StartLine(std::string_view line, bool heading,
                                std::vector<SetPiece>& pieces) {
  const std::size_t indent = line.find_first_not_of(' ');
  const bool listGoesOn = inList_ && !blankSeen_;
  const std::size_t second = SecondColumn(line);
  SetPiece piece{Block::kParagraph, true, above_ != Above::kTop, std::string(line.substr(indent))};
  bool inList = true;
  if (heading) {
    piece.block = Block::kHeading;
    inList = false;
  } else if (rowColumn_ > 0 && listGoesOn && indent >= rowColumn_) {
    piece = {Block::kRowGoesOn, true, false, std::string(line)};
  } else if (second > 0) {
    const std::size_t gap = line.find("  ", indent);
    piece = {Block::kRowCommand, true, piece.blank && !listGoesOn,
             std::string(line.substr(0, gap))};
    pieces.push_back(piece);
    piece = {Block::kRowMeaning, true, false, std::string(line.substr(gap))};
    rowColumn_ = second;
  } else if (listGoesOn) {
    piece = {Block::kListLine, true, false, std::string(line)};
  } else if (!HasWord(line)) {
    piece = {Block::kRule, piece.opens, piece.blank, std::string(line)};
    inList = false;
  } else {
    inList = false;
  }
  if (second == 0 && piece.block != Block::kRowGoesOn)
    rowColumn_ = 0;
  block_ = piece.block;
  inList_ = inList;
  inLine_ = true;
  blankSeen_ = false;
  pieces.push_back(std::move(piece));
}

bool ParagraphSetter::PlayerLine(bool lineFeedHeld) {
  // The held line feed ends the text's last line; when that line is empty, it is a blank one.
  const bool blank = above_ == Above::kText && (blankSeen_ || (lineFeedHeld && !inLine_));
  *this = ParagraphSetter();
  return blank;
}

void ParagraphSetter::Clear() {
  *this = ParagraphSetter();
  above_ = Above::kTop;
}

void AppendSetText(const std::vector<SetPiece>& pieces, bool& lineOpen, std::string& out) {
  for (const SetPiece& piece : pieces) {
    if (piece.opens && piece.block != Block::kRowMeaning) {
      if (lineOpen)
        out += '\n';
      if (piece.blank)
        out += '\n';
      if (piece.block == Block::kParagraph)
        out += kParagraphIndent;
    }
    out += piece.text;
    lineOpen = true;
  }
}
