#include "term/terminal.h"

#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/paragraphs.h"
#include "term/platform.h"
#include "term/style.h"
#include "term/terminal_choice.h"
#include "term/wrap.h"

namespace {

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
  TerminalBuffer(std::streambuf* out, TerminalChoice choice) : out_(out), choice_(choice) {}

  bool StartPlayerLine(bool markHere) override {
    sync();
    EndLine(PlayerLineComes());
    if (ended_)
      return false;
    if (markHere && choice_.player)
      out_->sputn(kPromptMark, sizeof kPromptMark - 1);
    out_->pubsync();
    // The player's line ends with the line feed they type.
    column_ = 0;
    rows_ = 0;
    return true;
  }

  bool MarksPlayerLine() const override { return choice_.player; }

  // The input ended where the player was to type, after the prompt mark: that line ends here.
  void EndOfInput() override {
    if (choice_.player && !ended_)
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
    if (unread && choice_.player && !ended_)
      WaitForKey();
    if (ended_)
      return;
    if (choice_.clear == ClearBy::kCommand) {
      out_->pubsync();
      ClearByCommand();
      return;
    }
    // Line feeds scroll the whole screen into the scrollback; the clear then leaves it alone
    // (no ESC[3J). A dumb terminal only gets the line feeds.
    std::string clear(static_cast<std::size_t>(AskWindowSize().rows), '\n');
    if (choice_.clear == ClearBy::kEscapes)
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
    AppendSetText(TakeMessage(choice_.depth), lineOpen, text);
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
      if (choice_.player && rows_ >= size_.rows - 1)
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
  // game as at a prompt: nothing more is written, and no line is read. The marker is shown once
  // the terminal hands over single keys, so that no key pressed after it can still be taken by
  // the terminal's own line mode.
  void WaitForKey() {
    const bool escapes = choice_.clear == ClearBy::kEscapes;
    const std::string marker =
        choice_.depth == ColourDepth::kNone ? kMore : std::string("\x1b[2m") + kMore + "\x1b[22m";
    int key;
    {
      KeyReader keys;
      out_->sputn(marker.data(), static_cast<std::streamsize>(marker.size()));
      out_->pubsync();
      key = keys.Read();
    }
    // Without escape sequences (a console that takes none), spaces over the marker.
    const std::string erase =
        escapes ? "\r\x1b[K" : "\r" + std::string(sizeof kMore - 1, ' ') + "\r";
    out_->sputn(erase.data(), static_cast<std::streamsize>(erase.size()));
    rows_ = 0;
    if (key == KeyReader::kEndOfInput)
      ended_ = true;
  }

  static constexpr char kMore[] = "[more]";

  std::streambuf* out_;
  TerminalChoice choice_;
  WindowSize size_;
  int column_ = 0;
  int rows_ = 0;        // lines ended since the player's line, a clear or a [more] stop
  bool ended_ = false;  // Ctrl-D at a [more] stop
  std::string wrapped_;
};

TerminalBuffer* installed = nullptr;
std::streambuf* original = nullptr;

}  // namespace

TerminalOutput::TerminalOutput(const TerminalFacts& facts) {
  if (installed != nullptr)
    return;
  const TerminalChoice choice =
      ChooseTerminal(facts, std::getenv("NO_COLOR"), std::getenv("TERM"), std::getenv("COLORTERM"));
  if (!choice.layer)
    return;
  installed = new TerminalBuffer(std::cout.rdbuf(), choice);
  original = std::cout.rdbuf(installed);
  InstallScreen(installed);
  installedHere_ = true;
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
