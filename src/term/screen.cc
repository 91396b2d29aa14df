#include "term/screen.h"

namespace {

Screen* installed = nullptr;

}  // namespace

Screen::int_type Screen::overflow(int_type byte) {
  if (traits_type::eq_int_type(byte, traits_type::eof()))
    return traits_type::not_eof(byte);
  held_ += traits_type::to_char_type(byte);
  return byte;
}

std::streamsize Screen::xsputn(const char* bytes, std::streamsize count) {
  held_.append(bytes, static_cast<std::size_t>(count));
  return count;
}

std::vector<SetPiece> Screen::TakeMessage(ColourDepth depth) {
  std::vector<SetPiece> message = text_.Next(held_, depth);
  held_.clear();
  if (!message.empty())
    unread_ = true;
  return message;
}

void InstallScreen(Screen* screen) {
  installed = screen;
}

bool AtTerminal() {
  return installed != nullptr;
}

bool StartPlayerLine(bool markHere) {
  return installed == nullptr || installed->StartPlayerLine(markHere);
}

void EndOfInput() {
  if (installed != nullptr)
    installed->EndOfInput();
}

GameEnder HowPlayerEndsGame() {
  return installed != nullptr ? installed->Ender() : GameEnder::kCtrlD;
}

const char* PromptMark() {
  return installed != nullptr && installed->MarksPlayerLine() ? kPromptMark : "";
}

void MarkHeading() {
  if (installed != nullptr)
    installed->MarkHeading();
}

bool ClearTerminal() {
  if (installed == nullptr)
    return false;
  installed->Clear();
  return true;
}
