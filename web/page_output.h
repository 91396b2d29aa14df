#ifndef PRISMORA_WEB_PAGE_OUTPUT_H_
#define PRISMORA_WEB_PAGE_OUTPUT_H_

// The layer between the game and the web page, built in place of the terminal's (term/terminal.cc):
// the Screen (term/screen.h) that AtTerminal, MarkHeading and ClearTerminal reach on the page.
// While a PageOutput lives, everything written to std::cout goes to the page at each flush, one
// message at a time: paragraphs flowed by the terminal's own rule (term/flow.h), the heading and
// the coloured names marked with the terminal's escape sequences (term/style.h), which the page
// turns into HTML. The page wraps; nothing here knows a width. A clear starts a new scene on the
// page.
class PageOutput {
 public:
  PageOutput();   // installs the layer on std::cout
  ~PageOutput();  // sends what is left and gives std::cout its own buffer back
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;
};

#endif  // PRISMORA_WEB_PAGE_OUTPUT_H_
