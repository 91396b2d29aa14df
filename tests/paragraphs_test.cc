#include "term/paragraphs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "story_data.h"
#include "term/screen_text.h"
#include "term/wrap.h"

namespace {

// The lines of `text`, or its words with `words`.
std::vector<std::string> Split(const std::string& text, bool words = false) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; words ? bool(in >> part) : bool(std::getline(in, part));)
    parts.push_back(part);
  return parts;
}

// The messages as a terminal `width` columns wide shows them after the player's line, before
// colour. "|" stands for the player's line ("> "), "#" for a clear; a message after "@" is a
// heading.
std::string Shown(const std::vector<std::string>& messages, int width) {
  ScreenText screen;
  screen.PlayerLine();
  std::string set;
  bool lineOpen = false;
  for (const std::string& message : messages) {
    if (message == "|" || message == "#") {
      const bool blank = message == "|" ? screen.PlayerLine() : (screen.Clear(), false);
      set +=
          std::string(lineOpen ? "\n" : "") + (blank ? "\n" : "") + (message == "|" ? "> \n" : "#");
      lineOpen = false;
    } else if (message == "@") {
      screen.MarkHeading(0);
    } else {
      AppendSetText(screen.Next(message + "\n", ColourDepth::kNone), lineOpen, set);
    }
  }
  std::string wrapped;
  int column = 0;
  WrapText(set, width, column, wrapped);
  return wrapped;
}

std::vector<std::string> Parts(Text text) {
  const TextParts& parts = PartsOf(text);
  return {parts.parts, parts.parts + parts.count};
}

std::size_t Columns(const std::string& line) {
  return std::count_if(line.begin(), line.end(), [](char byte) { return (byte & 0xc0) != 0x80; });
}

// Every paragraph starts after the indent, with a blank line above it; lines right under one
// another are one paragraph wrapped (the next word did not fit), or lines without a word.
void ExpectSetAlike(const std::vector<std::string>& messages, const char* what) {
  const bool heading = messages.front() == "@";
  std::string joined;
  for (const std::string& message : messages)
    joined += message == "@" ? "" : message + "\n";
  for (const int width : {80, 50}) {
    const std::string shown = Shown(messages, width);
    const std::vector<std::string> lines = Split(shown);
    EXPECT_EQ(Split(shown, true), Split(joined, true)) << what;
    EXPECT_TRUE(lines.size() > 1 && lines[0].empty()) << what << ": apart from the player's line";
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const std::string& above = lines[i - 1];
      if (std::none_of(line.begin(), line.end(),
                       [](char c) { return (c & 0x80) == 0 && std::isalnum(c) != 0; }))
        continue;
      const std::size_t indent = line.find_first_not_of(' ');
      const std::string where = std::string(what) + ", at " + std::to_string(width) + ": " + line;
      if (heading && i == 1) {
        EXPECT_EQ(indent, 0u) << where;
        EXPECT_TRUE(i + 1 == lines.size() || lines[i + 1].empty()) << where;
      } else if (above.empty()) {
        EXPECT_EQ(indent, kParagraphIndent.size()) << where;
      } else {
        EXPECT_EQ(indent, 0u) << where;
        EXPECT_GT(Columns(above) + 1 + Columns(line.substr(0, line.find(' '))), width)
            << where << ": a paragraph of its own under " << above;
      }
    }
  }
}

// Each text of the story as the game prints it, at a terminal 80 and 50 columns wide.
TEST(ParagraphsTest, EveryTextOfTheStoryIsSetAlike) {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const Text text = static_cast<Text>(i);
    // The usage goes to standard output before any screen; the guide is a list, below.
    if (text != Text::kUsage && text != Text::kHelpGuide && text != Text::kHelpEndCtrlD &&
        text != Text::kHelpEndButton)
      ExpectSetAlike(Parts(text), PartsOf(text).parts[0]);
  }
  for (const RoomTexts& room : kRoomTexts) {
    ExpectSetAlike({"@", room.name, room.description}, room.name);
    ExpectSetAlike({"@", room.name, room.returnText}, room.name);
  }
}

// At a terminal the guide stays a list of two columns, its rows as written; in a narrower window
// a row goes on under its second column.
TEST(ParagraphsTest, TheHelpGuideKeepsItsRows) {
  std::vector<std::string> guide = Parts(Text::kHelpGuide);
  const std::vector<std::string> end = Split(Parts(Text::kHelpEndCtrlD)[0]);
  guide.insert(guide.end(), end.begin(), end.end());
  const std::vector<std::string> lines = Split(Shown(guide, 80));
  ASSERT_EQ(lines.size(), guide.size() + 1);  // and the blank line above the lead-in
  EXPECT_EQ(lines[1], std::string(kParagraphIndent) + "Type one command a line, in plain words:");
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_EQ(lines[i], guide[i - 1]);
  const std::size_t second = guide[1].find("go north");
  const std::vector<std::string> narrow = Split(Shown(guide, 48));
  std::size_t rows = 0;  // lines of rows, up to the end's lines at the margin
  for (std::size_t indent; (indent = narrow.at(rows + 2).find_first_not_of(' ')) != 0; ++rows)
    EXPECT_TRUE(indent == 2 || indent == second) << narrow[rows + 2];
  EXPECT_GT(rows, guide.size() - end.size());
}

// What the story's own texts cannot show: the player's line, a clear, the banner's stars.
TEST(ParagraphsTest, ThePlayersLineAndAClearStartTheText) {
  const std::vector<std::string> cases[][2] = {
      {{"\nTitle.\n", "|", "\nLook."}, {"", "     Title.", "", "> ", "", "     Look."}},
      {{"\n     What?", "|", "Locked."}, {"", "     What?", "> ", "", "     Locked."}},
      {{"Text.", "#", "\nYard"}, {"", "     Text.", "#     Yard"}},
      {{"Text.", "\n\n\n\n*    *", "The end."},
       {"", "     Text.", "", "*    *", "", "     The end."}},
  };
  for (const auto& [messages, shown] : cases)
    EXPECT_EQ(Split(Shown(messages, 80)), shown) << messages[0];
}

}  // namespace
