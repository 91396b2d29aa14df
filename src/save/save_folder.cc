#include "save/save_folder.h"

#include "term/platform.h"

std::optional<std::string> SaveFolder() {
  const std::filesystem::path folder = StateFolder();
  if (folder.empty())
    return std::nullopt;
  return folder.string();
}
