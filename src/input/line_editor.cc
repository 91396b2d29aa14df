#include "input/line_editor.h"

#include <histedit.h>
#include <termios.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <memory>
#include <string_view>

#include "input/kept_line.h"

// The history is declared first so that it outlives the editor that reads from it.
struct LineEditor {
  std::unique_ptr<History, decltype(&history_end)> history{nullptr, &history_end};
  std::unique_ptr<EditLine, decltype(&el_end)> edit{nullptr, &el_end};
};

namespace {

// The game asks its question on the line above; the line itself starts after the prompt mark.
const char* Prompt(EditLine* edit) {
  void* prompt = nullptr;
  el_get(edit, EL_CLIENTDATA, &prompt);
  return prompt != nullptr ? static_cast<const char*>(prompt) : "";
}

// Ctrl-D: on an empty line, end of input, without the "^D" that libedit would otherwise leave in
// front of the shell's prompt; elsewhere it deletes the character under the cursor as usual.
unsigned char EndOrDelete(EditLine* edit, int) {
  const LineInfo* typed = el_line(edit);
  if (typed->buffer == typed->lastchar)
    return CC_EOF;
  if (typed->cursor == typed->lastchar)
    return CC_ERROR;
  el_cursor(edit, 1);
  el_deletestr(edit, 1);
  return CC_REFRESH;
}

// libedit shows the prompt mark first and only then takes the keys one by one. A Ctrl-D typed as
// soon as the mark shows would meet the terminal's own line mode, which keeps it as a NUL byte;
// libedit would take that for Ctrl-Space, and the game would wait on. Keys are taken one by one
// before the mark is shown; libedit gives the terminal back in its own mode after the line.
void TakeKeysOneByOne() {
  termios mode{};
  if (tcgetattr(STDIN_FILENO, &mode) != 0)
    return;
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &mode);
}

// Enough for a whole game's worth of commands.
constexpr int kHistoryLines = 500;

}  // namespace

void LineEditorCloser::operator()(LineEditor* editor) const {
  std::default_delete<LineEditor>()(editor);
}

LineEditorPtr OpenLineEditor(const char* prompt) {
  // libedit decodes what is typed by the character set of the player's locale; in the default
  // "C" locale it would drop every non-ASCII character. Only the character set is taken: the
  // game's own lowercasing and matching do not depend on it.
  std::setlocale(LC_CTYPE, "");
  auto editor = std::make_unique<LineEditor>();
  editor->edit.reset(el_init("prismora", stdin, stdout, stderr));
  editor->history.reset(history_init());
  if (editor->edit == nullptr || editor->history == nullptr)
    return nullptr;
  EditLine* const edit = editor->edit.get();
  History* const past = editor->history.get();
  HistEvent event;
  history(past, &event, H_SETSIZE, kHistoryLines);
  // Pressing Enter on a recalled line does not store it twice in a row.
  history(past, &event, H_SETUNIQUE, 1);

  el_set(edit, EL_EDITOR, "emacs");
  el_set(edit, EL_CLIENTDATA, const_cast<char*>(prompt));
  el_set(edit, EL_PROMPT, Prompt);
  el_set(edit, EL_HIST, history, past);
  // The wide form keeps the names as given; the narrow el_set copies them and never frees them.
  el_wset(edit, EL_ADDFN, L"prismora-end-or-delete", L"End of input or delete", EndOrDelete);
  el_set(edit, EL_BIND, "^D", "prismora-end-or-delete", nullptr);
  // Ctrl-C or a hangup while a line is being edited gives the terminal back in its normal mode.
  el_set(edit, EL_SIGNAL, 1);
  return LineEditorPtr(editor.release());
}

bool ReadEditedLine(LineEditor& editor, std::string& line) {
  line.clear();
  int count = 0;
  TakeKeysOneByOne();
  const char* raw = el_gets(editor.edit.get(), &count);
  if (raw == nullptr || count <= 0)
    return false;
  KeepLine(std::string_view(raw, static_cast<std::size_t>(count)), line);
  if (!line.empty()) {
    HistEvent event;
    history(editor.history.get(), &event, H_ENTER, line.c_str());
  }
  return true;
}
