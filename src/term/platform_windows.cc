#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>

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

// The bytes of `text` up to the end of its last whole UTF-8 character.
std::size_t WholeCharacters(const std::string& text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xc0) == 0x80)
      continue;  // a continuation byte: its lead is further back
    const std::size_t length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc0 ? 2 : 1;
    return length > back ? text.size() - back : text.size();
  }
  return text.size();
}

// Standard output at a console. The C runtime decodes what it writes to a console byte by byte
// (each byte of a multibyte character shows as a character of its own), so the game's UTF-8
// goes to the console as UTF-16 instead (WriteConsoleW), whatever the console's code page. It is
// held until a flush (the game flushes at each message), a character cut at a flush until its
// end, and a line feed is written as CR LF, as text mode would.
class ConsoleBuffer final : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE out) : out_(out) {}

 protected:
  int_type overflow(int_type byte) override {
    if (!traits_type::eq_int_type(byte, traits_type::eof()))
      held_ += traits_type::to_char_type(byte);
    return traits_type::not_eof(byte);
  }
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    held_.append(bytes, static_cast<std::size_t>(count));
    return count;
  }
  int sync() override {
    const std::size_t whole = WholeCharacters(held_);
    if (whole == 0)
      return 0;
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, held_.data(), static_cast<int>(whole), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, held_.data(), static_cast<int>(whole), wide.data(), size);
    held_.erase(0, whole);
    std::wstring lines;
    for (const wchar_t c : wide) {
      if (c == L'\n')
        lines += L'\r';
      lines += c;
    }
    for (std::size_t done = 0; done < lines.size();) {
      DWORD written = 0;
      const DWORD count = static_cast<DWORD>(lines.size() - done);
      if (WriteConsoleW(out_, lines.data() + done, count, &written, nullptr) == 0 || written == 0)
        return -1;
      done += written;
    }
    return 0;
  }

 private:
  HANDLE out_;
  std::string held_;
};

ConsoleBuffer* consoleBuffer = nullptr;
std::streambuf* runtimeBuffer = nullptr;  // std::cout's own, given back at the end

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
  // UTF-8 for what goes to the console as bytes (standard error, cls); standard output goes
  // through the console's own UTF-16.
  console.outputCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  consoleBuffer = new ConsoleBuffer(out);
  runtimeBuffer = std::cout.rdbuf(consoleBuffer);
  facts_.consoleEscapes = TakeEscapes(out, console.outputMode);
}

StandardStreams::~StandardStreams() {
  if (!console.changed)
    return;
  std::cout.flush();
  std::cout.rdbuf(runtimeBuffer);
  delete consoleBuffer;
  consoleBuffer = nullptr;
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
  std::cout.flush();
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

bool SyncToDisk(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return true;  // a folder's entries are the file system's own to keep
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  const bool synced = FlushFileBuffers(file) != 0;
  CloseHandle(file);
  return synced;
}
