#include "game/console.h"

#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

void Say(const char* text) {
  std::cout << text << std::endl;
}

void ClearScreen() {
  std::cout.flush();
#ifdef _WIN32
  std::system("cls");
#else
  // Home, clear the screen, clear the scrollback: a room change starts on a clean terminal.
  if (isatty(STDOUT_FILENO)) {
    std::cout << "\x1b[H\x1b[2J\x1b[3J";
  } else {
    std::cout << '\f';
  }
  std::cout.flush();
#endif
}
