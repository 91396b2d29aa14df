#include <iostream>
#include <optional>

#include "cli/options.h"
#include "game/coloured_names.h"
#include "game/game.h"
#include "input/line_reader.h"
#include "save/save_folder.h"
#include "save/save_store.h"
#include "term/style.h"
#include "term/terminal.h"

#ifdef __EMSCRIPTEN__
#include "web/page_play.h"
#endif

#ifdef PRISMORA_LINE_EDITING
#include <unistd.h>

#include "input/line_editor.h"
#endif

int main(int argc, char** argv) {
  if (const std::optional<int> status = HandleOptions(argc, argv, std::cout, std::cerr))
    return *status;
  SetColouredNames(ColouredNames());
#ifdef __EMSCRIPTEN__
  return PlayOnPage();  // the web page is the game's screen and keyboard
#else
  TerminalOutput terminal;  // wrap and colour, only when standard output is a terminal
  LineReader reader{&std::cin};
  reader.beforeLine = StartPlayerLine;
  reader.atEnd = EndOfInput;
#ifdef PRISMORA_LINE_EDITING
  // Editing and history only for a player at a terminal; piped input is read as it comes.
  LineEditorPtr editor;
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO))
    editor = OpenLineEditor(PromptMark());
  reader.editor = editor.get();
#endif
  FolderStore saves(SaveFolder());
  return RunGame(reader, &saves);
#endif
}
