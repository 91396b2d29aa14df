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

// At each flush (every std::endl of the game) sends the message held (Screen) to the page, flowed
// and styled as at a terminal.
class PageBuffer final : public Screen {
 public:
  // A new scene starts on a line of its own: the held line feed is not needed.
  void Clear() override {
    sync();
    ReleaseLineFeed();
    SendClearToPage();
  }

  // The page reads the player's line in a box of its own and marks it there.
  bool StartPlayerLine(bool) override {
    sync();
    if (ReleaseLineFeed())
      Send("\n");
    return true;
  }
  bool MarksPlayerLine() const override { return false; }

 protected:
  int sync() override {
    if (HasMessage())
      Send(TakeMessage(ColourDepth::k256));
    return 0;
  }

 private:
  static void Send(const std::string& text) {
    SendTextToPage(text.data(), static_cast<int>(text.size()));
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
