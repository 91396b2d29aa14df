#ifndef PRISMORA_TERM_PLATFORM_H_
#define PRISMORA_TERM_PLATFORM_H_

#include <filesystem>
#include <memory>

#include "term/terminal_choice.h"

// What the game asks of the system it runs on. The build compiles one implementation:
// platform_posix.cc (Debian and other POSIX systems) or platform_windows.cc. Nothing else in
// the game knows which system it is on.

// Readies standard input, output and error for the game while it lives, and finds out what they
// are. On Windows a pipe or a file is switched to binary mode, so that its bytes are the same
// as on any other system (no CR LF, no stop at a byte 0x1A); a console is given UTF-8 output,
// a buffered standard output (flushed at each message, so no character is cut in two) and
// escape sequences where it takes them. The end gives a console its own settings back.
class StandardStreams {
 public:
  StandardStreams();
  ~StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

  const TerminalFacts& Facts() const { return facts_; }

 private:
  TerminalFacts facts_;
};

// The size of the terminal on standard output, asked each time so that a resized window is
// followed; 80 by 24 when it cannot say.
struct WindowSize {
  int columns = 80;
  int rows = 24;
};
WindowSize AskWindowSize();

// Clears the console by running the command processor's cls, for a console that takes no
// escape sequences (ClearBy::kCommand). Where there is none, does nothing.
void ClearByCommand();

// While it lives, the terminal on standard input hands over single keys, without echo; its
// own mode comes back at the end.
class KeyReader {
 public:
  KeyReader();
  ~KeyReader();
  KeyReader(const KeyReader&) = delete;
  KeyReader& operator=(const KeyReader&) = delete;

  static constexpr int kEndOfInput = -1;
  // The next key; kEndOfInput for end of input (Ctrl-D, or Ctrl-Z on Windows) or a closed
  // input. A key with a sequence of its own (an arrow) is one key. Ctrl-C interrupts as it
  // would at a prompt. Input that is not a terminal is not read: a space, at once.
  int Read();

 private:
  struct Saved;
  std::unique_ptr<Saved> saved_;
};

// The folder for what the game keeps for its player between runs: $XDG_STATE_HOME/prismora,
// or ~/.local/state/prismora, on POSIX systems; %LOCALAPPDATA%\prismora on Windows. Empty when
// the environment names no such place. It is not created here.
std::filesystem::path StateFolder();

// Asks the system to put a file's bytes (or a folder's entries) on the disk before going on.
// False when it could not; a folder that the system cannot flush counts as done.
bool SyncToDisk(const std::filesystem::path& path);

#endif  // PRISMORA_TERM_PLATFORM_H_
