#ifndef PRISMORA_TERM_SCREEN_H_
#define PRISMORA_TERM_SCREEN_H_

#include <streambuf>
#include <string>
#include <vector>

#include "term/screen_text.h"

// How the player ends the game where they play: Ctrl-D (end of input) at a terminal, and on a
// pipe; on the web page its own button, which works on a touch screen too.
enum class GameEnder { kCtrlD, kPageButton };

// The screen the game's output is shown on, when it is not a pipe or a file: a terminal
// (terminal.h) or, in the browser, the web page (web/page_output.h). Installed on std::cout,
// it lays the game's plain text out; the calls below reach the one installed, and do nothing
// without one.
//
// A screen holds what is written until the next flush: the game flushes every message at its
// line end. Its own sync() then shows the message, taken flowed, set and styled (TakeMessage).
class Screen : public std::streambuf {
 public:
  void MarkHeading() { text_.MarkHeading(held_.size()); }
  virtual void Clear() = 0;
  virtual bool StartPlayerLine(bool markHere) = 0;
  virtual bool MarksPlayerLine() const = 0;
  virtual void EndOfInput() {}
  virtual GameEnder Ender() const { return GameEnder::kCtrlD; }

 protected:
  int_type overflow(int_type byte) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

  bool HasMessage() const { return !held_.empty(); }
  // The message held, flowed, set and styled (ScreenText), and no longer held.
  std::vector<SetPiece> TakeMessage(ColourDepth depth);
  // The player's line comes next; returns whether a blank line goes above it.
  bool PlayerLineComes() {
    unread_ = false;
    return text_.PlayerLine();
  }
  // The screen is about to be cleared. Returns whether story text has been shown since the
  // player's last line: it is still to be read, and must not be lost behind the clear.
  bool ClearComes() {
    const bool unread = unread_;
    unread_ = false;
    text_.Clear();
    return unread;
  }

 private:
  std::string held_;
  ScreenText text_;
  bool unread_ = false;
};

// Makes `screen` the one the calls below reach; null for none.
void InstallScreen(Screen* screen);

// Whether a screen is installed: standard output is a terminal, or the page.
bool AtTerminal();

// The mark in front of the line the player types.
constexpr char kPromptMark[] = "> ";

// Call before each line the player types. Writes out all that is held, and starts the count of
// lines before the next [more] stop after the player's line. When `markHere`, writes the prompt
// mark too, if the screen shows it; a line editor shows PromptMark() itself. Returns false when
// the player ended the game at a [more] stop (Ctrl-D): no line is to be read then.
bool StartPlayerLine(bool markHere);

// Call when the player's input has ended where a line was to be typed: the screen ends that
// line, so that what comes after the game (the shell's prompt) starts on a line of its own.
void EndOfInput();

// kPromptMark when the screen shows a prompt mark, "" otherwise.
const char* PromptMark();

// How the player ends the game where they play.
GameEnder HowPlayerEndsGame();

// The next line with text in it is a room heading, shown in bold. Does nothing on a pipe.
void MarkHeading();

// Starts a clean screen: pushes what is on it into the scrollback, then homes the cursor and
// clears, keeping the scrollback; text shown since the player's last line is read first (a
// [more] stop at a terminal). Returns false, writing nothing, when no screen is installed.
bool ClearTerminal();

#endif  // PRISMORA_TERM_SCREEN_H_
