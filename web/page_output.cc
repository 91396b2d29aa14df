#include "web/page_output.h"

#include <emscripten.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/screen.h"
#include "term/screen_text.h"

namespace {

// The page's script takes it from here (web/page.js).
// clang-format off
EM_JS(void, SendTextToPage, (const char* text, int length), {
  Module["onGameText"](UTF8ToString(text, length));
});
EM_JS(void, SendClearToPage, (), {
  Module["onGameClear"]();
});
// clang-format on

// Holds what is written until the next flush (every std::endl of the game), then sends it to the
// page as one message. Lines are styled whole, as at a terminal.
class PageBuffer final : public Screen {
 public:
  void MarkHeading() override { text_.MarkHeading(pending_.size()); }

  // A new scene starts on a line of its own: the held line feed is not needed.
  void Clear() override {
    sync();
    text_.Release();
    SendClearToPage();
  }

  // The page reads the player's line in a box of its own and marks it there.
  bool StartPlayerLine(bool) override {
    sync();
    if (text_.Release())
      Send("\n");
    return true;
  }
  bool MarksPlayerLine() const override { return false; }

 protected:
  int_type overflow(int_type byte) override {
    if (!traits_type::eq_int_type(byte, traits_type::eof()))
      pending_ += traits_type::to_char_type(byte);
    return traits_type::not_eof(byte);
  }

  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    pending_.append(bytes, static_cast<std::size_t>(count));
    return count;
  }

  int sync() override {
    if (pending_.empty())
      return 0;
    Send(text_.Next(pending_, ColourDepth::k256));
    pending_.clear();
    return 0;
  }

 private:
  static void Send(const std::string& text) {
    SendTextToPage(text.data(), static_cast<int>(text.size()));
  }

  ScreenText text_;
  std::string pending_;
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
