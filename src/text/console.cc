#include "text/console.h"

#include <iostream>

#include "term/screen.h"

namespace {

std::ostream* out = &std::cout;
std::ostream* err = &std::cerr;

}  // namespace

std::string Fill(Text text, std::initializer_list<std::string_view> fills) {
  const std::string_view part = PartsOf(text).parts[0];
  std::string filled;
  const std::string_view* next = fills.begin();
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = part.find('{', from);
    const std::size_t close = open == std::string_view::npos ? open : part.find('}', open);
    if (close == std::string_view::npos || next == fills.end()) {
      filled.append(part.substr(from));
      return filled;
    }
    filled.append(part.substr(from, open - from));
    filled.append(*next++);
    from = close + 1;
  }
}

void Say(Text text) {
  const TextParts& parts = PartsOf(text);
  for (std::size_t i = 0; i < parts.count; ++i)
    *out << parts.parts[i] << std::endl;
}

void Say(Text text, std::initializer_list<std::string_view> fills) {
  *out << Fill(text, fills) << std::endl;
}

void SayLine(std::string_view line) {
  *out << line << std::endl;
}

void SayHeading(std::string_view line) {
  MarkHeading();
  SayLine(line);
}

void SayError(Text text, std::initializer_list<std::string_view> fills) {
  *err << Fill(text, fills) << std::endl;
}

void ClearScreen() {
  out->flush();
  // A room change starts on a clean screen at a terminal; a pipe or a file gets a form feed.
  if (out != &std::cout || !ClearTerminal())
    *out << '\f' << std::flush;
}

ConsoleRedirect::ConsoleRedirect(std::ostream& to, std::ostream& toErr)
    : savedOut_(out), savedErr_(err) {
  out = &to;
  err = &toErr;
}

ConsoleRedirect::~ConsoleRedirect() {
  out = savedOut_;
  err = savedErr_;
}
