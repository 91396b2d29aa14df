#include "game/coloured_names.h"

#include <string_view>

namespace {

// The colour words the story's data gives its items and lights.
struct ColourWord {
  std::string_view word;
  Colour colour;
};
constexpr ColourWord kColourWords[] = {
    {"red", Colour::kRed},       {"yellow", Colour::kYellow}, {"blue", Colour::kBlue},
    {"orange", Colour::kOrange}, {"green", Colour::kGreen},   {"purple", Colour::kPurple},
};

// Adds the name when its colour word is one the terminal shows ("none" is not).
void Add(std::vector<ColouredName>& names, const char* name, std::string_view colour) {
  for (const ColourWord& word : kColourWords) {
    if (word.word == colour)
      names.push_back({name, word.colour});
  }
}

}  // namespace

std::vector<ColouredName> ColouredNames() {
  std::vector<ColouredName> names;
  for (const ItemData& item : kItemData)
    Add(names, item.name, item.colour);
  for (const LightData& light : kLightData)
    Add(names, light.name, light.colour);
  return names;
}
