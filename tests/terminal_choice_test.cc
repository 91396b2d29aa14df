#include "term/terminal_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "term/state_folder.h"

namespace {

constexpr TerminalFacts kPipe{};
constexpr TerminalFacts kTerminal{true, true, false, false};
constexpr TerminalFacts kOutputOnly{true, false, false, false};
constexpr TerminalFacts kConsole{true, true, true, true};
constexpr TerminalFacts kOldConsole{true, true, true, false};
constexpr TerminalFacts kConsoleOutputOnly{true, false, true, true};

struct ChoiceCase {
  const char* what;
  TerminalFacts facts;
  const char* noColor;
  const char* term;
  const char* colorTerm;
  ColourDepth depth;
  ClearBy clear;
  bool player;
};

// Which terminal gets colour, which clear and the [more] stops: the console's own behaviour
// cannot be driven under wine headless, so its choices are checked here.
TEST(TerminalChoiceTest, ColourClearAndPlayerFollowTheFactsAndTheEnvironment) {
  using D = ColourDepth;
  using C = ClearBy;
  const ChoiceCase cases[] = {
      {"a 256-colour terminal", kTerminal, nullptr, "xterm-256color", nullptr, D::k256, C::kEscapes,
       true},
      {"input from a pipe: no [more], no mark", kOutputOnly, nullptr, "xterm", nullptr, D::kBasic,
       C::kEscapes, false},
      {"NO_COLOR on a terminal", kTerminal, "1", "xterm-256color", "truecolor", D::kNone,
       C::kEscapes, true},
      {"an empty NO_COLOR is unset", kTerminal, "", "xterm", nullptr, D::kBasic, C::kEscapes, true},
      {"a dumb terminal only scrolls", kTerminal, nullptr, "dumb", nullptr, D::kNone, C::kLineFeeds,
       false},
      {"no TERM: no colour, still cleared", kTerminal, nullptr, nullptr, nullptr, D::kNone,
       C::kEscapes, true},
      {"a console with escape sequences", kConsole, nullptr, nullptr, nullptr, D::k256, C::kEscapes,
       true},
      {"a console reads no TERM", kConsole, nullptr, "dumb", nullptr, D::k256, C::kEscapes, true},
      {"NO_COLOR at a console", kConsole, "1", nullptr, nullptr, D::kNone, C::kEscapes, true},
      {"a console without escape sequences runs cls", kOldConsole, nullptr, nullptr, nullptr,
       D::kNone, C::kCommand, true},
      {"a console with input from a pipe", kConsoleOutputOnly, nullptr, nullptr, nullptr, D::k256,
       C::kEscapes, false},
  };
  for (const ChoiceCase& c : cases) {
    const TerminalChoice choice = ChooseTerminal(c.facts, c.noColor, c.term, c.colorTerm);
    EXPECT_TRUE(choice.layer) << c.what;
    EXPECT_EQ(choice.depth, c.depth) << c.what;
    EXPECT_EQ(choice.clear, c.clear) << c.what;
    EXPECT_EQ(choice.player, c.player) << c.what;
  }
  // A pipe or a file gets every byte as written, a form feed for a clear, whatever the
  // environment says.
  const TerminalChoice pipe = ChooseTerminal(kPipe, nullptr, "xterm-256color", "truecolor");
  EXPECT_FALSE(pipe.layer);
  EXPECT_EQ(pipe.depth, ColourDepth::kNone);
  EXPECT_EQ(pipe.clear, ClearBy::kFormFeed);
  EXPECT_FALSE(pipe.player);
}

TEST(StateFolderTest, FollowsXdgStateHomeThenHome) {
  using Path = std::filesystem::path;
  struct Case {
    const char* xdgStateHome;
    const char* home;
    Path folder;
  };
  const Case cases[] = {
      {"/s", "/h", Path("/s") / "prismora"},
      {nullptr, "/h", Path("/h") / ".local" / "state" / "prismora"},
      {"", "/h", Path("/h") / ".local" / "state" / "prismora"},
      {"state", "/h", Path("/h") / ".local" / "state" / "prismora"},  // relative: ignored
      {nullptr, nullptr, Path()},
      {nullptr, "home", Path()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(XdgStateFolder(c.xdgStateHome, c.home), c.folder)
        << (c.xdgStateHome ? c.xdgStateHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
  }
}

}  // namespace
