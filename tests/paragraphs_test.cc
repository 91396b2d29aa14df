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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

// The messages as a terminal `width` columns wide shows them after the player's line, before
// colour; `heading` marks the first message as a room's name.
std::string Shown(const std::vector<std::string>& messages, int width, bool heading = false) {
  ScreenText screen;
  screen.PlayerLine();
  std::string set;
  bool lineOpen = false;
  for (const std::string& message : messages) {
    if (heading && &message == &messages.front())
      screen.MarkHeading(0);
    AppendSetText(screen.Next(message + "\n", ColourDepth::kNone), lineOpen, set);
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
  std::size_t count = 0;
  for (const char byte : line)
    count += (static_cast<unsigned char>(byte) & 0xc0) != 0x80;
  return count;
}

// Every paragraph starts after the indent, with a blank line above it; lines right under one
// another are one paragraph wrapped (the next word did not fit), or a line kept as written: a
// list's (indented other than a paragraph) or one without a word.
void ExpectSetAlike(const std::vector<std::string>& messages, bool heading, const char* what) {
  for (const int width : {80, 50}) {
    const std::string shown = Shown(messages, width, heading);
    const std::vector<std::string> lines = Lines(shown);
    std::string joined;
    for (const std::string& message : messages)
      joined += message + "\n";
    EXPECT_EQ(Words(shown), Words(joined)) << what;
    ASSERT_FALSE(lines.empty()) << what;
    EXPECT_EQ(lines[0], "") << what << ": the player's line stands apart";
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const std::string& above = lines[i - 1];
      const bool asWritten = std::none_of(line.begin(), line.end(), [](char byte) {
        return std::isalnum(static_cast<unsigned char>(byte)) != 0;
      });
      if (line.empty() || asWritten)
        continue;
      const std::size_t indent = line.find_first_not_of(' ');
      if (heading && i == 1) {
        EXPECT_EQ(indent, 0u) << what << ": the heading at the margin";
        EXPECT_TRUE(i + 1 == lines.size() || lines[i + 1].empty())
            << what << ": a blank line under it";
      } else if (above.empty()) {
        EXPECT_EQ(indent, kParagraphIndent.size()) << what << ", at " << width << ": " << line;
      } else {
        const std::size_t firstWord = line.find(' ');
        EXPECT_EQ(indent, 0u) << what << ", at " << width << ": " << line;
        EXPECT_GT(Columns(above) + 1 + Columns(line.substr(0, firstWord)),
                  static_cast<std::size_t>(width))
            << what << ", at " << width << ": a paragraph of its own under another\n"
            << above << "\n"
            << line;
      }
    }
  }
}

// Each text of the story as the game prints it, at a terminal 80 and 50 columns wide.
TEST(ParagraphsTest, EveryTextOfTheStoryIsSetAlike) {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const Text text = static_cast<Text>(i);
    // The usage goes to standard output before any screen; the guide is a list, below.
    if (text == Text::kUsage || text == Text::kHelpGuide || text == Text::kHelpEndCtrlD ||
        text == Text::kHelpEndButton)
      continue;
    ExpectSetAlike(Parts(text), false, PartsOf(text).parts[0]);
  }
  for (const RoomTexts& room : kRoomTexts) {
    for (const char* text : {room.description, room.returnText})
      ExpectSetAlike({room.name, text}, true, room.name);
  }
}

// At a terminal the guide stays a list of two columns, its rows as written; in a narrower window a
// row goes on under its second column. On the page its rows are commands and what they do.
TEST(ParagraphsTest, TheHelpGuideKeepsItsRows) {
  std::vector<std::string> guide = Parts(Text::kHelpGuide);
  const std::vector<std::string> end = Lines(Parts(Text::kHelpEndCtrlD)[0]);
  guide.insert(guide.end(), end.begin(), end.end());
  const std::vector<std::string> lines = Lines(Shown(guide, 80));
  ASSERT_EQ(lines.size(), guide.size() + 1);  // and the blank line above the lead-in
  EXPECT_EQ(lines[1], std::string(kParagraphIndent) + "Type one command a line, in plain words:");
  for (std::size_t i = 2; i < lines.size(); ++i)
    EXPECT_EQ(lines[i], guide[i - 1]);
  const std::size_t second = guide[1].find("go north");
  const std::vector<std::string> narrow = Lines(Shown(guide, 48));
  std::size_t rows = 0;  // lines of rows, up to the end's lines at the margin
  for (std::size_t indent; (indent = narrow.at(rows + 2).find_first_not_of(' ')) != 0; ++rows)
    EXPECT_TRUE(indent == 2 || indent == second) << narrow[rows + 2];
  EXPECT_GT(rows, guide.size() - end.size());

  ScreenText screen;
  std::vector<Block> blocks;
  for (const char* message : {"Guide:", "  look  again", "  talk  to blot,", "        and all"}) {
    for (const SetPiece& piece : screen.Next(std::string(message) + "\n", ColourDepth::kNone))
      blocks.push_back(piece.block);
  }
  const std::vector<Block> expected = {Block::kParagraph,  Block::kRowCommand, Block::kRowMeaning,
                                       Block::kRowCommand, Block::kRowMeaning, Block::kRowGoesOn};
  EXPECT_EQ(blocks, expected);
}

struct SetCase {
  const char* what;
  std::vector<std::string> messages;  // "|" between them: the player's line; "#": a clear
  std::string shown;
};

// What the table above cannot show: the player's line, a clear, and a paragraph across messages.
TEST(ParagraphsTest, ThePlayersLineAndAClearStartTheText) {
  const SetCase cases[] = {
      {"a paragraph runs on into the next message",
       {std::string(85, 'a') + " take a", "look. Sure", "Next."},
       "\n     " + std::string(85, 'a') + " take a look. Sure\n\n     Next."},
      {"the text's own blank line before the player's line is kept",
       {"\nTitle.\n", "|", "\nLook."},
       "\n     Title.\n\n> \n\n     Look."},
      {"the prompt has the player's line right under it",
       {"\n     What?", "|", "Locked."},
       "\n     What?\n> \n\n     Locked."},
      {"a clear: no blank line at the top of the screen",
       {"Text.", "#", "\nYard"},
       "\n     Text.\n#     Yard"},
      {"a line without a word is kept as written",
       {"Text.", "\n\n\n\n*    *", "The end."},
       "\n     Text.\n\n*    *\n\n     The end."},
      {"a list right under its lead-in, then a paragraph",
       {"\n     Ways:", "     north: here", "\nNext."},
       "\n     Ways:\n     north: here\n\n     Next."},
  };
  for (const SetCase& c : cases) {
    ScreenText screen;
    screen.PlayerLine();
    std::string shown;
    bool lineOpen = false;
    for (const std::string& message : c.messages) {
      if (message == "|" || message == "#") {
        shown += lineOpen ? "\n" : "";
        if (message == "|" ? screen.PlayerLine() : (screen.Clear(), false))
          shown += "\n";
        shown += message == "|" ? "> \n" : "#";
        lineOpen = false;
        continue;
      }
      AppendSetText(screen.Next(message + "\n", ColourDepth::kNone), lineOpen, shown);
    }
    EXPECT_EQ(shown, c.shown) << c.what;
  }
}

}  // namespace
