#include "term/state_folder.h"

namespace {

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

std::filesystem::path XdgStateFolder(const char* xdgStateHome, const char* home) {
  if (IsAbsolute(xdgStateHome))
    return std::filesystem::path(xdgStateHome) / "prismora";
  if (IsAbsolute(home))
    return std::filesystem::path(home) / ".local" / "state" / "prismora";
  return {};
}
