// The one place that knows where a terminal keeps saved games; another platform gives its own.
#include "save/save_folder.h"

#include <cstdlib>

namespace {

std::optional<std::string> AbsoluteFrom(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] != '/')
    return std::nullopt;
  return std::string(value);
}

}  // namespace

std::optional<std::string> SaveFolder() {
  if (const std::optional<std::string> state = AbsoluteFrom("XDG_STATE_HOME"))
    return *state + "/prismora";
  if (const std::optional<std::string> home = AbsoluteFrom("HOME"))
    return *home + "/.local/state/prismora";
  return std::nullopt;
}
