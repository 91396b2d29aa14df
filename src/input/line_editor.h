#ifndef PRISMORA_INPUT_LINE_EDITOR_H_
#define PRISMORA_INPUT_LINE_EDITOR_H_

#include <memory>
#include <string>

// Line editing and history for a player at a terminal, through libedit. Only built when libedit
// is found; the game then reads its lines here instead of from the stream, and the player can
// move along the line with the arrow keys and recall earlier lines with up and down.
struct LineEditor;

// Frees an editor. Each read already gives the terminal back in its normal mode.
struct LineEditorCloser {
  void operator()(LineEditor* editor) const;
};
using LineEditorPtr = std::unique_ptr<LineEditor, LineEditorCloser>;

// Sets up libedit on standard input and output, or returns null when it cannot. The caller
// decides that both are terminals. `prompt` (kept, not copied) is shown in front of each line.
LineEditorPtr OpenLineEditor(const char* prompt);

// Reads one line with editing, with the same treatment and bound as ReadLine; a non-empty line
// goes into the history. Returns false at end of input (Ctrl-D on an empty line).
bool ReadEditedLine(LineEditor& editor, std::string& line);

#endif  // PRISMORA_INPUT_LINE_EDITOR_H_
