#ifndef PRISMORA_WEB_PAGE_OUTPUT_H_
#define PRISMORA_WEB_PAGE_OUTPUT_H_

// The layer between the game and the web page, built in place of the terminal's (term/terminal.cc):
// the Screen (term/screen.h) that AtTerminal, MarkHeading and ClearTerminal reach on the page.
// While a PageOutput lives, everything written to std::cout goes to the page at each flush, one
// message at a time: flowed and set in paragraphs by the terminal's own rules (term/flow.h,
// term/paragraphs.h), piece by piece, each block named, the coloured names apart with their
// colours (term/style.h); the page makes elements of them. The page wraps; nothing here knows a
// width. A clear starts a new scene on the page, below what was still to be read.
class PageOutput {
 public:
  PageOutput();   // installs the layer on std::cout
  ~PageOutput();  // sends what is left and gives std::cout its own buffer back
  PageOutput(const PageOutput&) = delete;
  PageOutput& operator=(const PageOutput&) = delete;
};

#endif  // PRISMORA_WEB_PAGE_OUTPUT_H_
