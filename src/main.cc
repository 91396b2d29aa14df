#include <iostream>
#include <optional>

#include "cli/options.h"
#include "game/coloured_names.h"
#include "game/game.h"
#include "input/line_reader.h"
#include "save/save_folder.h"
#include "save/save_store.h"
#include "term/platform.h"
#include "term/style.h"
#include "term/terminal.h"

#ifdef PRISMORA_LINE_EDITING
#include "input/line_editor.h"
#endif

// The game at a terminal, a console or a pipe. In the browser, web/page_main.cc is built instead.
int main(int argc, char** argv) {
  // First of all, so that on Windows even --help goes through a pipe byte for byte.
  const StandardStreams streams;
  if (const std::optional<int> status = HandleOptions(argc, argv, std::cout, std::cerr))
    return *status;
  SetColouredNames(ColouredNames());
  TerminalOutput terminal(streams.Facts());  // wrap and colour, only at a terminal
  LineReader reader{&std::cin};
  reader.beforeLine = StartPlayerLine;
  reader.atEnd = EndOfInput;
#ifdef PRISMORA_LINE_EDITING
  // Editing and history only for a player at a terminal; piped input is read as it comes.
  LineEditorPtr editor;
  if (streams.Facts().inputIsTerminal && streams.Facts().outputIsTerminal)
    editor = OpenLineEditor(PromptMark());
  reader.editor = editor.get();
#endif
  FolderStore saves(SaveFolder());
  return RunGame(reader, &saves);
}
