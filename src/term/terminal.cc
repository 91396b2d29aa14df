#include "term/terminal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/paragraphs.h"
#include "term/style.h"
#include "term/wrap.h"

#ifndef _WIN32
#include <sys/ioctl.h>
#include <termios.h>
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

// What the layer does besides wrapping and colouring.
struct Features {
  ColourDepth depth = ColourDepth::kNone;
  bool cursorControl = false;  // clearing with escape sequences
  bool player = false;         // a player types at this terminal: [more] stops and the prompt mark
};

// At each flush (every std::endl of the game) writes the message held (Screen), flowed, set in
// paragraphs, wrapped and coloured, to the real standard output, line by line, at the size the
// terminal reports then: one query and one write per message (more at a [more] stop). A flush
// writes a partial line too; the column it ends at carries over. Lines are styled whole, so a
// coloured name or a heading is never cut in two.
//
// A message's last line feed is held until the next message shows whether it falls inside a
// paragraph (MessageFlow), or until the player types, the screen is cleared or the game ends.
class TerminalBuffer final : public Screen {
 public:
  TerminalBuffer(std::streambuf* out, Features features) : out_(out), features_(features) {}

  bool StartPlayerLine(bool markHere) override {
    sync();
    EndLine(PlayerLineComes());
    if (ended_)
      return false;
    if (markHere && features_.player)
      out_->sputn(kPromptMark, sizeof kPromptMark - 1);
    out_->pubsync();
    // The player's line ends with the line feed they type.
    column_ = 0;
    rows_ = 0;
    return true;
  }

  bool MarksPlayerLine() const override { return features_.player; }

  // The input ended where the player was to type, after the prompt mark: that line ends here.
  void EndOfInput() override {
    if (features_.player && !ended_)
      out_->sputn("\n", 1);
    out_->pubsync();
  }

  void Finish() {
    sync();
    EndLine(false);
    out_->pubsync();
  }

  void Clear() override {
    sync();
    const bool unread = ClearComes();
    EndLine(false);
    // What was shown since the player's line is read before the clear takes it away.
    if (unread && features_.player && !ended_)
      WaitForKey();
    if (ended_)
      return;
    // Line feeds scroll the whole screen into the scrollback; the clear then leaves it alone
    // (no ESC[3J). A dumb terminal only gets the line feeds.
    std::string clear(static_cast<std::size_t>(AskWindowSize().rows), '\n');
    if (features_.cursorControl)
      clear += "\x1b[H\x1b[2J";
    out_->sputn(clear.data(), static_cast<std::streamsize>(clear.size()));
    out_->pubsync();
  }

 protected:
  int sync() override {
    Write();
    return out_->pubsync();
  }

 private:
  void Write() {
    if (!HasMessage())
      return;
    std::string text;
    bool lineOpen = column_ > 0;
    AppendSetText(TakeMessage(features_.depth), lineOpen, text);
    size_ = AskWindowSize();
    WrapText(text, size_.columns, column_, wrapped_);
    Put();
  }

  // Ends the line the cursor stands on, if text stands on it, then writes a blank line if asked.
  void EndLine(bool blank) {
    if (column_ > 0)
      wrapped_ += '\n';
    if (blank)
      wrapped_ += '\n';
    column_ = 0;
    Put();
  }

  // Writes what is wrapped, stopping at a [more] marker before anything that would scroll the
  // first line written since the player's line off the window.
  void Put() {
    std::string_view rest = wrapped_;
    while (!rest.empty() && !ended_) {
      if (features_.player && rows_ >= size_.rows - 1)
        WaitForKey();
      if (ended_)
        break;
      const std::size_t lineEnd = rest.find('\n');
      const std::size_t end = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
      out_->sputn(rest.data(), static_cast<std::streamsize>(end));
      if (lineEnd != std::string_view::npos)
        ++rows_;
      rest.remove_prefix(end);
    }
    wrapped_.clear();
  }

  // Shows the marker on the last row, waits for one key and erases the marker. Ctrl-D ends the
  // game as at a prompt: nothing more is written, and no line is read.
  void WaitForKey() {
    std::string marker =
        features_.depth == ColourDepth::kNone ? kMore : std::string("\x1b[2m") + kMore + "\x1b[22m";
    const int key = ReadKey(marker);
    constexpr char kErase[] = "\r\x1b[K";
    out_->sputn(kErase, sizeof kErase - 1);
    rows_ = 0;
    if (key == kEndOfInput)
      ended_ = true;
  }

  static constexpr int kEndOfInput = -1;

  // Shows the marker and reads one key, without echo; kEndOfInput for Ctrl-D or a closed input.
  // Ctrl-C interrupts as it would at a prompt, once the terminal is back in its own mode. The
  // marker is shown once the terminal hands over single keys, so that no key pressed after it
  // can still be taken by the terminal's own line mode.
  int ReadKey(const std::string& marker) {
    termios saved{};
    const bool isTerminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (isTerminal)
      tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    out_->sputn(marker.data(), static_cast<std::streamsize>(marker.size()));
    out_->pubsync();
    if (!isTerminal)
      return ' ';
    unsigned char key = 0;
    ssize_t count;
    do {
      count = read(STDIN_FILENO, &key, 1);
    } while (count < 0 && errno == EINTR);
    if (count == 1 && key == '\x1b') {
      // The rest of an arrow's or a function key's sequence, not what is typed after it.
      raw.c_cc[VMIN] = 0;
      raw.c_cc[VTIME] = 1;
      tcsetattr(STDIN_FILENO, TCSANOW, &raw);
      unsigned char rest[8];
      while (read(STDIN_FILENO, rest, sizeof rest) > 0) {
      }
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    if (count <= 0 || key == saved.c_cc[VEOF])
      return kEndOfInput;
    if (key == saved.c_cc[VINTR])
      std::raise(SIGINT);
    return key;
  }

  static constexpr char kMore[] = "[more]";

  std::streambuf* out_;
  Features features_;
  WindowSize size_;
  int column_ = 0;
  int rows_ = 0;        // lines ended since the player's line, a clear or a [more] stop
  bool ended_ = false;  // Ctrl-D at a [more] stop
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
  Features features;
  features.depth = ChooseColourDepth(std::getenv("NO_COLOR"), term, std::getenv("COLORTERM"));
  features.cursorControl = !dumb;
  features.player = !dumb && isatty(STDIN_FILENO);
  installed = new TerminalBuffer(std::cout.rdbuf(), features);
  original = std::cout.rdbuf(installed);
  InstallScreen(installed);
  installedHere_ = true;
#endif
}

TerminalOutput::~TerminalOutput() {
  if (!installedHere_)
    return;
  installed->Finish();
  InstallScreen(nullptr);
  std::cout.rdbuf(original);
  delete installed;
  installed = nullptr;
}
