#include "term/style.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

namespace {

struct Shades {
  const char* shade256;
  const char* basic;
};

// 256-colour shades of middle brightness, so each keeps a contrast of about 3:1 or more against
// black, dark grey, white and cream; a bright yellow would vanish on white, so the yellow is a
// dark gold. In the eight colours the terminal's theme decides; orange has none of its own there
// and takes the theme's yellow. In the order of Colour.
constexpr Shades kShades[] = {
    {"\x1b[38;5;196m", "\x1b[31m"},  // red
    {"\x1b[38;5;136m", "\x1b[33m"},  // yellow
    {"\x1b[38;5;33m", "\x1b[34m"},   // blue
    {"\x1b[38;5;166m", "\x1b[33m"},  // orange
    {"\x1b[38;5;28m", "\x1b[32m"},   // green
    {"\x1b[38;5;134m", "\x1b[35m"},  // purple
};

// Lowercase, as the lines are searched.
std::vector<ColouredName>& ColouredNames() {
  static std::vector<ColouredName> names;
  return names;
}

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& byte : lower)
    byte = static_cast<char>(std::tolower(static_cast<unsigned char>(byte)));
  return lower;
}

constexpr char kColourOff[] = "\x1b[39m";
constexpr char kBoldOn[] = "\x1b[1m";
constexpr char kBoldOff[] = "\x1b[22m";

bool IsWordByte(char byte) {
  return std::isalnum(static_cast<unsigned char>(byte)) != 0;
}

// An escape sequence to put in front of the byte at `at`. Ends sort before starts at the same
// place, so a span never opens before the one it touches has closed.
struct Insert {
  std::size_t at;
  bool starts;
  const char* sequence;
};

void AddNames(std::string_view line, ColourDepth depth, std::vector<Insert>& inserts) {
  for (const NameSpan& span : FindColouredNames(line)) {
    const Shades& shades = kShades[static_cast<int>(span.colour)];
    inserts.push_back(
        {span.begin, true, depth == ColourDepth::k256 ? shades.shade256 : shades.basic});
    inserts.push_back({span.end, false, kColourOff});
  }
}

void AddHeading(std::string_view line, std::vector<Insert>& inserts) {
  const std::size_t first = line.find_first_not_of(" \n");
  if (first == std::string_view::npos)
    return;
  const std::size_t last = line.find_last_not_of(" \n");
  inserts.push_back({first, true, kBoldOn});
  inserts.push_back({last + 1, false, kBoldOff});
}

}  // namespace

ColourDepth ChooseColourDepth(const char* noColor, const char* term, const char* colorTerm) {
  if (noColor != nullptr && *noColor != '\0')
    return ColourDepth::kNone;
  if (term == nullptr || *term == '\0' || std::strcmp(term, "dumb") == 0)
    return ColourDepth::kNone;
  // COLORTERM is set by terminals with more than 256 colours (truecolor, 24bit).
  if ((colorTerm != nullptr && *colorTerm != '\0') || std::strstr(term, "256color") != nullptr ||
      std::strstr(term, "direct") != nullptr)
    return ColourDepth::k256;
  return ColourDepth::kBasic;
}

void SetColouredNames(std::vector<ColouredName> names) {
  for (ColouredName& coloured : names)
    coloured.name = Lowercase(coloured.name);
  ColouredNames() = std::move(names);
}

std::vector<NameSpan> FindColouredNames(std::string_view line) {
  std::vector<NameSpan> spans;
  const std::string lower = Lowercase(line);
  for (const ColouredName& coloured : ColouredNames()) {
    if (coloured.name.empty())
      continue;
    for (std::size_t at = lower.find(coloured.name); at != std::string::npos;
         at = lower.find(coloured.name, at + 1)) {
      const std::size_t end = at + coloured.name.size();
      // Whole words only: "blue stones" is two stones, not the Blue Stone.
      if ((at > 0 && IsWordByte(lower[at - 1])) || (end < lower.size() && IsWordByte(lower[end])))
        continue;
      spans.push_back({at, end, coloured.colour});
    }
  }
  std::sort(spans.begin(), spans.end(),
            [](const NameSpan& a, const NameSpan& b) { return a.begin < b.begin; });
  return spans;
}

void StyleLine(std::string_view line, ColourDepth depth, bool heading, std::string& out) {
  if (depth == ColourDepth::kNone) {
    out.append(line);
    return;
  }
  std::vector<Insert> inserts;
  AddNames(line, depth, inserts);
  if (heading)
    AddHeading(line, inserts);
  std::stable_sort(inserts.begin(), inserts.end(), [](const Insert& a, const Insert& b) {
    return a.at < b.at || (a.at == b.at && !a.starts && b.starts);
  });
  std::size_t done = 0;
  for (const Insert& insert : inserts) {
    out.append(line.substr(done, insert.at - done));
    out += insert.sequence;
    done = insert.at;
  }
  out.append(line.substr(done));
}
