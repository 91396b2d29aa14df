#include "web/page_play.h"

#include <emscripten.h>

#include <iostream>
#include <streambuf>
#include <string>

#include "input/line_reader.h"
#include "save/autosave.h"
#include "term/screen.h"
#include "web/page_output.h"
#include "web/page_saves.h"

namespace {

// Waits for the page's next line (web/page.js) and says how many bytes it has in UTF-8, or -1 when
// the player ended the input (Ctrl-D). The browser runs on while the game waits.
// clang-format off
EM_ASYNC_JS(int, WaitForPageLine, (), {
  const line = await Module["nextLine"]();
  if (line === null)
    return -1;
  Module["lineWaiting"] = line;
  return lengthBytesUTF8(line);
});
EM_JS(void, TakePageLine, (char* buffer, int size), {
  stringToUTF8(Module["lineWaiting"], buffer, size);
});
EM_JS(void, TellPageGameEnded, (int status), {
  Module["onGameEnd"](status);
});
// clang-format on

// Standard input as the game reads it: each line from the page, with its line feed.
class PageLines final : public std::streambuf {
 protected:
  int_type underflow() override {
    if (ended_)
      return traits_type::eof();
    std::cout.flush();  // the prompt is on the page before the wait
    const int length = WaitForPageLine();
    if (length < 0) {
      ended_ = true;
      return traits_type::eof();
    }
    line_.assign(static_cast<std::size_t>(length) + 1, '\0');
    TakePageLine(line_.data(), length + 1);
    line_.back() = '\n';
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(line_.front());
  }

 private:
  bool ended_ = false;
  std::string line_;
};

}  // namespace

int PlayOnPage() {
  int status = 0;
  {
    PageOutput page;
    PageLines lines;
    std::streambuf* keyboard = std::cin.rdbuf(&lines);
    LineReader reader{&std::cin};
    reader.beforeLine = StartPlayerLine;  // the page's text is set apart from the player's line
    PageStore saves;  // the game is kept after every move, and named games, in the browser
    status = PlayKeepingTheGame(reader, saves);
    std::cin.rdbuf(keyboard);
  }
  // After an asyncify wait, main's return reaches no one (emscripten 3.1.6), and exit() would
  // throw its status into the page as an error; the page is told instead, and the instance is
  // left for the garbage collector.
  TellPageGameEnded(status);
  return status;
}
