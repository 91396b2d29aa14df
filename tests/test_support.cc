#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "prismora-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& contents) const {
  const std::string file = path_ + "/" + name;
  std::ofstream(file, std::ios::binary) << contents;
  return file;
}
