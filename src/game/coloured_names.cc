#include "game/coloured_names.h"

std::vector<ColouredName> ColouredNames() {
  return {
      {"red stone", Colour::kRed},       {"yellow stone", Colour::kYellow},
      {"blue stone", Colour::kBlue},     {"orange key", Colour::kOrange},
      {"green key", Colour::kGreen},     {"purple key", Colour::kPurple},
      {"orange light", Colour::kOrange}, {"green light", Colour::kGreen},
      {"purple light", Colour::kPurple},
  };
}
