#include <iostream>
#include <optional>

#include "cli/options.h"
#include "game/coloured_names.h"
#include "term/style.h"
#include "web/page_play.h"

// The game on the web page, built in place of src/main.cc: the page is its screen and keyboard.
int main(int argc, char** argv) {
  if (const std::optional<int> status = HandleOptions(argc, argv, std::cout, std::cerr))
    return *status;
  SetColouredNames(ColouredNames());
  return PlayOnPage();
}
