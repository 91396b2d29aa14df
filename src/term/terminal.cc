#include "term/terminal.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/style.h"
#include "term/wrap.h"

#ifndef _WIN32
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

struct WindowSize {
  int columns = 80;
  int rows = 24;
};

// Asked every time, so a window resized during play is followed. 80 by 24 when the terminal
// cannot say.
WindowSize AskWindowSize() {
  WindowSize size;
#ifndef _WIN32
  winsize window{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &window) == 0) {
    if (window.ws_col > 0)
      size.columns = window.ws_col;
    if (window.ws_row > 0)
      size.rows = window.ws_row;
  }
#endif
  return size;
}

// Holds what is written until the next flush (every std::endl of the game), then writes it wrapped
// and coloured to the real standard output, line by line, at the width the terminal reports then:
// one query and one write per message. A flush writes a partial line too; the column it ends at
// carries over. Lines are styled whole, so a coloured name or a heading is never cut in two.
class TerminalBuffer final : public std::streambuf {
 public:
  TerminalBuffer(std::streambuf* out, ColourDepth depth, bool cursorControl)
      : out_(out), depth_(depth), cursorControl_(cursorControl) {}

  void MarkHeading() { headingFrom_ = pending_.size(); }

  void Clear() {
    sync();
    // Line feeds scroll the whole screen into the scrollback; the clear then leaves it alone
    // (no ESC[3J). A dumb terminal only gets the line feeds.
    std::string clear(static_cast<std::size_t>(AskWindowSize().rows), '\n');
    if (cursorControl_)
      clear += "\x1b[H\x1b[2J";
    out_->sputn(clear.data(), static_cast<std::streamsize>(clear.size()));
    column_ = 0;
    out_->pubsync();
  }

 protected:
  int_type overflow(int_type byte) override {
    if (traits_type::eq_int_type(byte, traits_type::eof()))
      return traits_type::not_eof(byte);
    pending_ += traits_type::to_char_type(byte);
    return byte;
  }

  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    pending_.append(bytes, static_cast<std::size_t>(count));
    // Much written without a flush goes out up to its last line end.
    if (pending_.size() >= kHoldBytes) {
      const std::size_t lastLineEnd = pending_.rfind('\n');
      if (lastLineEnd != std::string::npos)
        Write(lastLineEnd + 1);
    }
    return count;
  }

  int sync() override {
    Write(pending_.size());
    return out_->pubsync();
  }

 private:
  static constexpr std::size_t kHoldBytes = 16384;
  static constexpr std::size_t kNoHeading = std::string::npos;

  // Writes out the first `length` bytes held.
  void Write(std::size_t length) {
    if (length == 0)
      return;
    const int width = AskWindowSize().columns;
    const std::string_view text(pending_.data(), length);
    wrapped_.clear();
    for (std::size_t start = 0; start < length;) {
      const std::size_t lineEnd = text.find('\n', start);
      const std::size_t end = lineEnd == std::string_view::npos ? length : lineEnd + 1;
      const std::string_view line = text.substr(start, end - start);
      // The heading is the first line with text written since the mark.
      const bool heading = headingFrom_ != kNoHeading && end > headingFrom_ &&
                           line.find_first_not_of(" \n") != std::string_view::npos;
      if (heading)
        headingFrom_ = kNoHeading;
      styled_.clear();
      StyleLine(line, depth_, heading, styled_);
      WrapText(styled_, width, column_, wrapped_);
      start = end;
    }
    out_->sputn(wrapped_.data(), static_cast<std::streamsize>(wrapped_.size()));
    pending_.erase(0, length);
    if (headingFrom_ != kNoHeading)
      headingFrom_ = headingFrom_ > length ? headingFrom_ - length : 0;
  }

  std::streambuf* out_;
  ColourDepth depth_;
  bool cursorControl_;
  std::size_t headingFrom_ = kNoHeading;  // where in pending_ the heading mark was made
  int column_ = 0;
  std::string pending_;
  std::string styled_;
  std::string wrapped_;
};

TerminalBuffer* installed = nullptr;
std::streambuf* original = nullptr;

}  // namespace

TerminalOutput::TerminalOutput() {
#ifndef _WIN32
  if (installed != nullptr || !isatty(STDOUT_FILENO))
    return;
  const char* term = std::getenv("TERM");
  const bool dumb = term != nullptr && std::strcmp(term, "dumb") == 0;
  installed = new TerminalBuffer(
      std::cout.rdbuf(), ChooseColourDepth(std::getenv("NO_COLOR"), term, std::getenv("COLORTERM")),
      !dumb);
  original = std::cout.rdbuf(installed);
  installedHere_ = true;
#endif
}

TerminalOutput::~TerminalOutput() {
  if (!installedHere_)
    return;
  std::cout.flush();
  std::cout.rdbuf(original);
  delete installed;
  installed = nullptr;
}

void MarkHeading() {
  if (installed != nullptr)
    installed->MarkHeading();
}

bool ClearTerminal() {
  if (installed == nullptr)
    return false;
  installed->Clear();
  return true;
}
