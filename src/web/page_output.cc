#include "web/page_output.h"

#include <emscripten.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "term/flow.h"
#include "term/screen.h"
#include "term/style.h"

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
  void MarkHeading() override { headingFrom_ = pending_.size(); }

  void Clear() override {
    sync();
    SendClearToPage();
  }

  // The page reads the player's line in a box of its own and marks it there.
  bool StartPlayerLine(bool) override {
    sync();
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
    const std::string flowed = FlowParagraphs(pending_);
    const std::string_view text = flowed;
    std::string styled;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t lineEnd = text.find('\n', start);
      const std::size_t end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
      const std::string_view line = text.substr(start, end - start);
      // The heading is the first line with text written since the mark.
      const bool heading = headingFrom_ != kNoHeading && end > headingFrom_ &&
                           line.find_first_not_of(" \n") != std::string_view::npos;
      if (heading)
        headingFrom_ = kNoHeading;
      StyleLine(line, ColourDepth::k256, heading, styled);
      start = end;
    }
    SendTextToPage(styled.data(), static_cast<int>(styled.size()));
    pending_.clear();
    if (headingFrom_ != kNoHeading)
      headingFrom_ = 0;
    return 0;
  }

 private:
  static constexpr std::size_t kNoHeading = std::string::npos;

  std::size_t headingFrom_ = kNoHeading;  // where in pending_ the heading mark was made
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
