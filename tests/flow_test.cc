#include "term/flow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FlowCase {
  const char* where;
  std::string text;
  bool joined;  // the line feed after the first line is inside a paragraph
};

// The line ends of the story's own texts, each with the start of the line after it; a text
// printed in pieces (the gate scene) is given as the layer joins it, the line before in front.
TEST(FlowTest, JoinsLinesOfAParagraphAndKeepsEveryOtherLineFeed) {
  const std::string path =
      "     The harsh mountain wind tugs at your cloak as you trudge through the deep snow, the "
      "path ahead of you all white.";
  const std::string arrival =
      "and Cerule walk huddled close together, perhaps talking, though the howling wind and the "
      "masks they both wear make";
  const FlowCase cases[] = {
      {"mountain path: a sentence ends, but the paragraph's indented line goes on",
       path + "\nEven without", true},
      {"mountain path: mid-sentence",
       "Even without the hostile magic that is draining the world of its color, this blizzard "
       "would have left nothing\nbut whites and greys.",
       true},
      {"the party on the path", arrival + "\nit impossible to tell.", true},
      {"snowy yard: one word left over",
       "     To the west, nearly hidden by the snow, a path leads down the hill to where the food "
       "shed and the graveyard\nwere.",
       true},
      {"gate scene, the padlock",
       "\"It needs three keys to open,\" the Jester says, pointing at a large padlock. Everyone "
       "gathers close to take a\nlook.",
       true},
      {"gate scene, a quote broken after its first word",
       "\"Green, orange and purple,\" the Jester says confidently. The others look at him in "
       "surprise, and he shrugs. \"When\nyou travel",
       true},
      // Kept.
      {"gate scene: each speaker has a line of their own",
       "Cerule shakes his head. \"No, in the Spectrum's name. Sheer cliffs flank the gate on both "
       "sides. No going around.\"\nHe's right.",
       false},
      {"the orange light: two sentences, two lines",
       "The orange glow behind the furnace is revealed to be an orange key, bound in place by a "
       "magic spell.\nThe lighting is orange",
       false},
      {"a hint and the way to it",
       "Blot: \"The mask is close, and so is the orphanage where you grew up. Whoever is in the "
       "cabin might know something.\"\nThe way there starts north of here.",
       false},
      {"the help guide, written for 80 columns",
       "Ctrl-D on an empty line leaves the game at any prompt;\ntyping quit works", false},
      {"a list row goes on indented",
       "  talk to blot         on the mountain path; also cerule,\n                       scarlett",
       false},
      {"a heading before an unindented text",
       "\n     Rosen and Sunnie's Bedroom\nYour other father", false},
      {"paragraphs, title lines and the final scene, with an empty line between",
       path + "\n\n     Your goal", false},
      {"the ways out", "     Ways out of here:\n     north: the Mountain Path", false},
      {"a long paragraph line before the next indented one", path + "\n     He turns", false},
      {"the last line feed of a text", path + "\n", false},
      {"a line that ends in a closing quote", std::string(80, 'a') + "\u201d\nNext", false},
  };
  for (const FlowCase& c : cases) {
    const std::size_t lineEnd = c.text.find('\n', c.text.front() == '\n' ? 1 : 0);
    std::string expected = c.text;
    if (c.joined)
      expected[lineEnd] = ' ';
    EXPECT_EQ(FlowParagraphs(c.text), expected) << c.where;
  }
}

// Messages flow as one text: a line runs on into the next message, and once the player's line
// has come between, the next message is judged on its own lines.
TEST(FlowTest, MessagesFlowAcrossAndTheHeldLineFeedIsGivenUp) {
  const std::string line(90, 'a');  // a long line that does not end a sentence
  MessageFlow flow;
  EXPECT_EQ(flow.Next(line + " take a\n"), line + " take a");
  EXPECT_EQ(flow.Next("look. Sure\n"), " look. Sure");
  EXPECT_EQ(flow.Next(line + "\n"), "\n" + line);
  EXPECT_TRUE(flow.Release());
  EXPECT_FALSE(flow.Release());
  EXPECT_EQ(flow.Next("ab\ncd"), "ab\ncd");
}

}  // namespace
