#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "term/platform.h"
#include "term/state_folder.h"

// A terminal passes bytes as they are; there is nothing to switch.
StandardStreams::StandardStreams() {
  facts_.outputIsTerminal = isatty(STDOUT_FILENO) != 0;
  facts_.inputIsTerminal = isatty(STDIN_FILENO) != 0;
}

StandardStreams::~StandardStreams() = default;

WindowSize AskWindowSize() {
  WindowSize size;
  winsize window{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &window) == 0) {
    if (window.ws_col > 0)
      size.columns = window.ws_col;
    if (window.ws_row > 0)
      size.rows = window.ws_row;
  }
  return size;
}

// Terminals here take escape sequences or are dumb; neither runs cls.
void ClearByCommand() {}

struct KeyReader::Saved {
  bool isTerminal = false;
  termios mode{};
};

// Keys come one by one and unseen (no ICANON, no ECHO), and Ctrl-C arrives as a byte (no ISIG),
// so that it can be raised only once the terminal is back in its own mode.
KeyReader::KeyReader() : saved_(std::make_unique<Saved>()) {
  saved_->isTerminal = tcgetattr(STDIN_FILENO, &saved_->mode) == 0;
  if (!saved_->isTerminal)
    return;
  termios raw = saved_->mode;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

KeyReader::~KeyReader() {
  if (saved_->isTerminal)
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_->mode);
}

int KeyReader::Read() {
  if (!saved_->isTerminal)
    return ' ';
  unsigned char key = 0;
  ssize_t count;
  do {
    count = read(STDIN_FILENO, &key, 1);
  } while (count < 0 && errno == EINTR);
  if (count == 1 && key == '\x1b') {
    // The rest of an arrow's or a function key's sequence, not what is typed after it.
    termios drain{};
    tcgetattr(STDIN_FILENO, &drain);
    drain.c_cc[VMIN] = 0;
    drain.c_cc[VTIME] = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &drain);
    unsigned char rest[8];
    while (read(STDIN_FILENO, rest, sizeof rest) > 0) {
    }
  }
  if (count <= 0 || key == saved_->mode.c_cc[VEOF])
    return kEndOfInput;
  if (key == saved_->mode.c_cc[VINTR]) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved_->mode);
    std::raise(SIGINT);
  }
  return key;
}

std::filesystem::path StateFolder() {
  return XdgStateFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool SyncToDisk(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0)
    return false;
  const bool synced = fsync(fd) == 0;
  close(fd);
  return synced;
}
