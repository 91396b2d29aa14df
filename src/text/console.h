#ifndef PRISMORA_TEXT_CONSOLE_H_
#define PRISMORA_TEXT_CONSOLE_H_

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

#include "story_data.h"

// The one way out for everything the game says. Each text part, or each line, goes out followed by
// one line end and a flush, so that a pipe sees every message whole as soon as it is said.

// Each part of the text, as the story's data writes it.
void Say(Text text);
// The text with its {words} filled in, in order, by `fills`.
void Say(Text text, std::initializer_list<std::string_view> fills);
// A line the game has put together itself from texts (see Fill).
void SayLine(std::string_view line);
// The same for a room's heading, which a terminal or the page shows in bold.
void SayHeading(std::string_view line);
// The same on the error stream: the one failure the game reports goes there.
void SayError(Text text, std::initializer_list<std::string_view> fills = {});

// The text's first part with its {words} filled in, in order; a word without a fill stays as it
// is written, so a missing fill shows in the output instead of going unnoticed.
std::string Fill(Text text, std::initializer_list<std::string_view> fills = {});

// Clears the terminal, keeping its scrollback (see ClearTerminal). When standard output is a
// pipe or a file, writes a single form feed instead, so a transcript shows where each clear
// happened.
void ClearScreen();

// Where the game's messages go: standard output and error unless a test or a tool says otherwise.
// Sends them to `out` and `err` for as long as it lives, then gives the previous streams back.
class ConsoleRedirect {
 public:
  ConsoleRedirect(std::ostream& out, std::ostream& err);
  ~ConsoleRedirect();
  ConsoleRedirect(const ConsoleRedirect&) = delete;
  ConsoleRedirect& operator=(const ConsoleRedirect&) = delete;

 private:
  std::ostream* savedOut_;
  std::ostream* savedErr_;
};

#endif  // PRISMORA_TEXT_CONSOLE_H_
