#include "input/kept_line.h"

void KeepLine(std::string_view raw, std::string& line) {
  raw = raw.substr(0, raw.find('\n'));
  // A carriage return is dropped only when it stands within the bound.
  if (!raw.empty() && raw.back() == '\r' && raw.size() <= kMaxKeptLineBytes)
    raw.remove_suffix(1);
  line.assign(raw.substr(0, kMaxKeptLineBytes));
}
