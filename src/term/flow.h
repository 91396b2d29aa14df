#ifndef PRISMORA_TERM_FLOW_H_
#define PRISMORA_TERM_FLOW_H_

#include <string>
#include <string_view>

// The story's paragraphs are written with hard line feeds for a window about 120 columns wide;
// at a narrower window they would leave stubs, so they are joined and wrapped whole.
//
// The rule: a line feed is inside a paragraph when the line after it starts with a word (not a
// space, not another line feed) and the line before it is at least 80 characters long and
// either starts with the paragraph indent or does not end a sentence.
//
// So empty lines between paragraphs, indented lines and list rows, lines written to fit 80
// columns (the title, headings, the help guide) and one-sentence lines (the gate scene's
// speakers, the hints) keep their line feeds.
//
// Returns `text` with every line feed inside a paragraph replaced by one space; all other bytes
// are unchanged, so the result is as long as `text`. Text written in pieces flows as one when
// the end of the last line before is passed in front of the next piece.
std::string FlowParagraphs(std::string_view text);

// The game's messages flowed as one text, as a screen shows them: a message's last line feed is
// held until the next message shows whether the line runs on (the gate scene's sentences run
// across its messages), and the rule sees the line before each message.
class MessageFlow {
 public:
  // The message flowed. A line feed held from the message before comes first, as a space where
  // the line runs on or as itself where it does not; the message's own last line feed is held.
  std::string Next(std::string_view message);

  // Whether a line feed is held, which Next will put first.
  bool Holding() const { return held_; }

  // Gives up the held line feed, if any (the player's line or a clear comes next), and returns
  // whether there was one; what follows starts a line of its own.
  bool Release();

 private:
  bool held_ = false;
  std::string lineSoFar_;  // the line before the held line feed, or the one still open
};

#endif  // PRISMORA_TERM_FLOW_H_
