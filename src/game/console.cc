#include "game/console.h"

#include <cstdlib>
#include <iostream>

#include "term/terminal.h"

void Say(const char* text) {
  std::cout << text << std::endl;
}

void ClearScreen() {
  std::cout.flush();
#ifdef _WIN32
  std::system("cls");
#else
  // A room change starts on a clean screen at a terminal; a pipe or a file gets a form feed.
  if (!ClearTerminal()) {
    std::cout << '\f';
    std::cout.flush();
  }
#endif
}
