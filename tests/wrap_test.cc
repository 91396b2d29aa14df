#include "term/wrap.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "term/style.h"

namespace {

struct WrapCase {
  const char* what;
  std::string text;
  int width;
  int columnBefore;
  std::string wrapped;
  int columnAfter;
};

// The pseudo-terminal test plays whole games; these are the edges it does not reach.
TEST(WrapTest, BreaksAtSpacesWithinTheWidth) {
  const WrapCase cases[] = {
      {"words fill a line, the next starts at the margin", "the deep snow falls", 13, 0,
       "the deep snow\nfalls", 5},
      {"a word exactly as wide as the window", "abcdef ghij", 6, 0, "abcdef\nghij", 4},
      {"a word that ends exactly at the edge", "ab cdef", 7, 0, "ab cdef", 7},
      {"a word wider than the window is broken", "ab abcdefgh", 4, 0, "ab\nabcd\nefgh", 4},
      {"a window of no width is taken as one column", "ab", 0, 0, "a\nb", 1},
      {"the text's line feeds and the indent stay", "     ab cd\nef gh\n", 8, 0,
       "     ab\ncd\nef gh\n", 0},
      {"an indent longer than the window keeps the word", "          ab cd", 8, 0, "      ab\ncd",
       2},
      {"a three-byte quote is one column at the edge", "ab “cd” ef", 7, 0, "ab “cd”\nef", 2},
      {"a multi-byte character is never split", "“““", 2, 0, "““\n“", 1},
      {"escape sequences take no columns at the edge", "\x1b[1mabcd\x1b[22m ef", 4, 0,
       "\x1b[1mabcd\x1b[22m\nef", 2},
      {"a space inside an escape sequence does not break it", "ab\x1b[2 qcd ef", 4, 0,
       "ab\x1b[2 qcd\nef", 2},
      {"a list row goes on under its second column", "  ab   cd ef gh", 14, 0,
       "  ab   cd ef\n       gh", 9},
      {"a paragraph does not", "     ab  cd ef", 12, 0, "     ab  cd\nef", 2},
      {"nor a row whose second column is past the middle", "  abcdef  gh ij", 12, 0,
       "  abcdef  gh\nij", 2},
      {"text written in pieces wraps as one", " cd ef", 5, 3, "\ncd ef", 5},
      {"spaces at a line end are kept only up to the edge", "abc   \n", 5, 0, "abc  \n", 0},
      {"a wide character that would pass the edge starts the next line", "abcd漢", 5, 0, "abcd\n漢",
       2},
      {"an emoji takes two columns", "ab 🙂", 4, 0, "ab\n🙂", 2},
      {"a combining mark takes none, and stays with its letter", "abcde\u0301 f", 5, 0,
       "abcde\u0301\nf", 1},
  };
  for (const WrapCase& c : cases) {
    int column = c.columnBefore;
    std::string out;
    WrapText(c.text, c.width, column, out);
    EXPECT_EQ(out, c.wrapped) << c.what;
    EXPECT_EQ(column, c.columnAfter) << c.what;
  }
}

TEST(StyleTest, ColoursTheNamesGivenAndNeverChangesTheText) {
  using D = ColourDepth;
  SetColouredNames({{"Red Stone", Colour::kRed}, {"blue stone", Colour::kBlue}});
  const std::pair<D, std::string> styled[] = {
      {D::k256, "a \x1b[38;5;196mRed Stone\x1b[39m, two blue stones"},
      {D::kBasic, "a \x1b[31mRed Stone\x1b[39m, two blue stones"},
      {D::kNone, "a Red Stone, two blue stones"},
  };
  for (const auto& [depth, expected] : styled) {
    std::string out;
    StyleLine("a Red Stone, two blue stones", depth, false, out);
    EXPECT_EQ(out, expected);
  }
}

}  // namespace
