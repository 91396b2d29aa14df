#include "web/page_output.h"

#include <emscripten.h>

#include <iostream>
#include <iterator>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/paragraphs.h"
#include "term/screen.h"
#include "term/style.h"

namespace {

// The page's script takes it from here (web/page.js).
// clang-format off
EM_JS(void, SendPieceToPage, (const char* block, bool opens, bool blank), {
  Module["onGamePiece"](UTF8ToString(block), opens, blank);
});
EM_JS(void, SendTextToPage, (const char* text, int length, const char* colour), {
  Module["onGameText"](UTF8ToString(text, length), UTF8ToString(colour));
});
EM_JS(void, SendClearToPage, (bool unread), {
  Module["onGameClear"](unread);
});
// clang-format on

// The page's names for each Block and each Colour, in their order (web/page.js, page.css): the
// page sets each block in its own way and picks each colour's shade for its theme.
constexpr const char* kBlockNames[] = {"paragraph",   "heading",     "list-line", "row-command",
                                       "row-meaning", "row-goes-on", "rule"};
static_assert(std::size(kBlockNames) == static_cast<std::size_t>(Block::kRule) + 1);
constexpr const char* kColourNames[] = {"red", "yellow", "blue", "orange", "green", "purple"};
static_assert(std::size(kColourNames) == static_cast<std::size_t>(Colour::kPurple) + 1);

void SendText(std::string_view text, const char* colour) {
  if (!text.empty())
    SendTextToPage(text.data(), static_cast<int>(text.size()), colour);
}

// The piece's text, each coloured name apart with its colour.
void SendPiece(const SetPiece& piece) {
  SendPieceToPage(kBlockNames[static_cast<std::size_t>(piece.block)], piece.opens, piece.blank);
  const std::string_view text = piece.text;
  std::size_t done = 0;
  for (const NameSpan& span : FindColouredNames(text)) {
    if (span.begin < done)
      continue;  // inside a name already sent
    SendText(text.substr(done, span.begin - done), "");
    SendText(text.substr(span.begin, span.end - span.begin),
             kColourNames[static_cast<std::size_t>(span.colour)]);
    done = span.end;
  }
  SendText(text.substr(done), "");
}

// At each flush (every std::endl of the game) sends the message held (Screen) to the page, piece by
// piece, flowed and set as at a terminal, the coloured names marked.
class PageBuffer final : public Screen {
 public:
  // A new scene starts below what is still to be read.
  void Clear() override {
    sync();
    SendClearToPage(ClearComes());
  }

  // The page reads the player's line in a box of its own and marks it there.
  bool StartPlayerLine(bool) override {
    sync();
    PlayerLineComes();
    return true;
  }
  bool MarksPlayerLine() const override { return false; }

  GameEnder Ender() const override { return GameEnder::kPageButton; }

 protected:
  int sync() override {
    if (!HasMessage())
      return 0;
    for (const SetPiece& piece : TakeMessage(ColourDepth::kNone))
      SendPiece(piece);
    return 0;
  }
};

PageBuffer* installed = nullptr;
std::streambuf* original = nullptr;

}  // namespace

PageOutput::PageOutput() {
  installed = new PageBuffer;
  original = std::cout.rdbuf(installed);
  InstallScreen(installed);
}

PageOutput::~PageOutput() {
  std::cout.flush();
  InstallScreen(nullptr);
  std::cout.rdbuf(original);
  delete installed;
  installed = nullptr;
}
