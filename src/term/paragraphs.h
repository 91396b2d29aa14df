#ifndef PRISMORA_TERM_PARAGRAPHS_H_
#define PRISMORA_TERM_PARAGRAPHS_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// How a screen sets the story, the one rule the terminal and the web page both follow. The texts
// are written with layouts of their own (some paragraphs indented, some not; lines of dialogue
// with no blank line between them); on a screen every text is set alike:
//
// - every line of the text (after the flow has joined the lines of a paragraph, flow.h) is a
//   paragraph of its own: its first line indented, a blank line above it;
// - a heading (MarkHeading: a room's name) stands at the margin, with a blank line below it;
// - a line that ends in a colon and the lines right under it make a list (the ways out, the help
//   guide): its lines are kept as written, with no blank line between them;
// - a row of two columns (indented one to four spaces, a gap of two or more before its second
//   column), and the lines that go on under its second column, are kept as written, and so is a
//   line without a letter or a digit (the closing banner's stars);
// - a blank line sets the player's line apart from the story below it; a new screen (a clear)
//   starts at its top.
//
// The text's own blank lines and indents give way to these.
enum class Block : unsigned char {
  kParagraph,   // its first line set after kParagraphIndent
  kHeading,     // set at the margin
  kListLine,    // as written
  kRowCommand,  // a row's first column, with the row's indent
  kRowMeaning,  // the row's second column, with the gap before it, on the same line
  kRowGoesOn,   // a line that goes on under the second column of the row above, as written
  kRule,        // as written
};

// One piece of set text: the start of a line of the screen (or of a row's second column), or more
// of what the last piece began (the flow joins a paragraph's lines across the game's messages).
struct SetPiece {
  Block block;
  bool opens;        // starts a line, or a row's second column; false: goes on after the last
  bool blank;        // a blank line above the line it opens
  std::string text;  // a paragraph's or a heading's first piece without its leading spaces
};

inline constexpr std::string_view kParagraphIndent = "     ";

// Sets the flowed text of the game's messages, one after the other, as one text.
class ParagraphSetter {
 public:
  // The pieces of the next flowed text (MessageFlow::Next). The first line with text that ends
  // past byte `headingFrom` of it is a heading; std::string::npos for none.
  std::vector<SetPiece> Next(std::string_view flowed, std::size_t headingFrom);

  // The player's line comes next: the text's line ends. Returns whether a blank line goes above
  // the player's line (the text ended with one, as the title does); `lineFeedHeld` says whether
  // the flow held back the text's last line feed.
  bool PlayerLine(bool lineFeedHeld);

  // The screen is cleared: what comes next starts at its top.
  void Clear();

 private:
  enum class Above { kTop, kPlayer, kText };  // what stands above the next line set

  void StartLine(std::string_view line, bool heading, std::vector<SetPiece>& pieces);

  Above above_ = Above::kPlayer;     // the game starts under the command line that started it
  bool inLine_ = false;              // a line of the text has begun; the next text goes on in it
  bool blankSeen_ = false;           // an empty line of the text since the last line with text
  bool inList_ = false;              // the last line was a list's lead-in or one of its lines
  bool lastEndsInColon_ = false;     // of the line in progress or just ended
  std::size_t rowColumn_ = 0;        // where the last row's second column starts; 0 after no row
  Block block_ = Block::kParagraph;  // of the line in progress
};

// The pieces as a terminal shows them before the wrap: line feeds, blank lines and the
// paragraph indent put in. `lineOpen` says whether text stands on the cursor's line, on entry
// and after the pieces.
void AppendSetText(const std::vector<SetPiece>& pieces, bool& lineOpen, std::string& out);

#endif  // PRISMORA_TERM_PARAGRAPHS_H_
