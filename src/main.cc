#include <iostream>

#include "game/game.h"
#include "input/line_reader.h"

int main() {
  LineReader reader{&std::cin};
  return RunGame(reader);
}
