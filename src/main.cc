#include <iostream>
#include <optional>

#include "cli/options.h"
#include "game/game.h"
#include "input/line_reader.h"

#ifdef PRISMORA_LINE_EDITING
#include <unistd.h>

#include "input/line_editor.h"
#endif

int main(int argc, char** argv) {
  if (const std::optional<int> status = HandleOptions(argc, argv, std::cout, std::cerr))
    return *status;
  LineReader reader{&std::cin};
#ifdef PRISMORA_LINE_EDITING
  // Editing and history only for a player at a terminal; piped input is read as it comes.
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))
    reader.editor = OpenLineEditor();
  const int status = RunGame(reader);
  CloseLineEditor(reader.editor);
  return status;
#else
  return RunGame(reader);
#endif
}
