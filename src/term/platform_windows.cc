#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "term/platform.h"

namespace {

// What the console had before the game changed it, to give back at the end.
struct ConsoleState {
  bool changed = false;
  UINT outputCodePage = 0;
  DWORD outputMode = 0;
  // The console leaves the cursor on the last column after writing there (it wraps late, as a
  // terminal does); otherwise a line as wide as the window would be followed by an empty row.
  bool wrapsLate = false;
};
ConsoleState console;

bool IsConsole(HANDLE handle, DWORD& mode) {
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) != 0;
}

bool IsConsole(DWORD which) {
  DWORD mode = 0;
  return IsConsole(GetStdHandle(which), mode);
}

// Escape sequences, and the late wrap with them where the console has it. A console older than
// Windows 10 refuses both and gets plain text and cls.
bool TakeEscapes(HANDLE out, DWORD mode) {
  const DWORD escapes = mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING;
  if (SetConsoleMode(out, escapes | DISABLE_NEWLINE_AUTO_RETURN) != 0) {
    console.wrapsLate = true;
    return true;
  }
  return SetConsoleMode(out, escapes) != 0;
}

}  // namespace

StandardStreams::StandardStreams() {
  // A pipe or a file in binary mode: no line feed becomes CR LF, and a byte 0x1A is a byte, not
  // the end of input. A console stays in text mode, where Ctrl-Z then Enter is end of input.
  struct Stream {
    DWORD which;
    std::FILE* file;
  };
  for (const Stream& stream : {Stream{STD_INPUT_HANDLE, stdin}, Stream{STD_OUTPUT_HANDLE, stdout},
                               Stream{STD_ERROR_HANDLE, stderr}}) {
    if (!IsConsole(stream.which))
      _setmode(_fileno(stream.file), _O_BINARY);
  }
  facts_.inputIsTerminal = IsConsole(STD_INPUT_HANDLE);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!IsConsole(out, console.outputMode))
    return;
  facts_.outputIsTerminal = true;
  facts_.console = true;
  console.changed = true;
  console.outputCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  // Unbuffered, the C runtime hands a console one byte at a time, and the console shows each
  // byte of a multibyte character as a character of its own.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 14);
  facts_.consoleEscapes = TakeEscapes(out, console.outputMode);
}

StandardStreams::~StandardStreams() {
  if (!console.changed)
    return;
  std::fflush(stdout);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  SetConsoleMode(out, console.outputMode);
  SetConsoleOutputCP(console.outputCodePage);
  console = ConsoleState{};
}

WindowSize AskWindowSize() {
  WindowSize size;
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info) != 0) {
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    const int rows = info.srWindow.Bottom - info.srWindow.Top + 1;
    if (columns > 1)
      size.columns = console.wrapsLate ? columns : columns - 1;
    if (rows > 0)
      size.rows = rows;
  }
  return size;
}

void ClearByCommand() {
  std::fflush(stdout);
  std::system("cls");
}

struct KeyReader::Saved {
  HANDLE in = INVALID_HANDLE_VALUE;
  bool isConsole = false;
  DWORD mode = 0;
};

// Keys come one by one and unseen; Ctrl-C stays the system's (ENABLE_PROCESSED_INPUT), and
// interrupts as at a prompt.
KeyReader::KeyReader() : saved_(std::make_unique<Saved>()) {
  saved_->in = GetStdHandle(STD_INPUT_HANDLE);
  saved_->isConsole = IsConsole(saved_->in, saved_->mode);
  if (saved_->isConsole)
    SetConsoleMode(saved_->in,
                   saved_->mode & ~static_cast<DWORD>(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT));
}

KeyReader::~KeyReader() {
  if (saved_->isConsole)
    SetConsoleMode(saved_->in, saved_->mode);
}

int KeyReader::Read() {
  if (!saved_->isConsole)
    return ' ';
  for (;;) {
    INPUT_RECORD record{};
    DWORD count = 0;
    if (ReadConsoleInputW(saved_->in, &record, 1, &count) == 0 || count == 0)
      return kEndOfInput;
    if (record.EventType != KEY_EVENT || record.Event.KeyEvent.bKeyDown == 0)
      continue;
    switch (record.Event.KeyEvent.wVirtualKeyCode) {
      case VK_SHIFT:  // held for a key to come, not a key of their own
      case VK_CONTROL:
      case VK_MENU:
      case VK_LWIN:
      case VK_RWIN:
      case VK_CAPITAL:
      case VK_NUMLOCK:
      case VK_SCROLL:
        continue;
      default:
        break;
    }
    const wchar_t key = record.Event.KeyEvent.uChar.UnicodeChar;
    // Ctrl-Z is end of input at a Windows prompt; Ctrl-D is taken as elsewhere.
    if (key == 0x1a || key == 0x04)
      return kEndOfInput;
    return key == 0 ? ' ' : static_cast<int>(key);
  }
}

std::filesystem::path StateFolder() {
  const wchar_t* localAppData = _wgetenv(L"LOCALAPPDATA");
  if (localAppData == nullptr)
    return {};
  const std::filesystem::path base(localAppData);
  return base.is_absolute() ? base / L"prismora" : std::filesystem::path();
}
