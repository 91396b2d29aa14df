#include "term/screen.h"

namespace {

Screen* installed = nullptr;

}  // namespace

void InstallScreen(Screen* screen) {
  installed = screen;
}

bool AtTerminal() {
  return installed != nullptr;
}

bool StartPlayerLine(bool markHere) {
  return installed == nullptr || installed->StartPlayerLine(markHere);
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
