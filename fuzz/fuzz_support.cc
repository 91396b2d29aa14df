#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "input/match_response.h"

std::size_t EnterWorkDirWith(const char* responseFile) {
  std::string pattern = (std::filesystem::temp_directory_path() / "prismora-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  std::error_code error;
  std::filesystem::copy_file(responseFile, pattern + "/" + kResponseFileName, error);
  if (error || chdir(pattern.c_str()) != 0) {
    std::fprintf(stderr, "cannot prepare %s with %s\n", pattern.c_str(), responseFile);
    std::exit(2);
  }
  // Counted the way the matcher counts: a last line without a line feed still counts.
  std::ifstream file(kResponseFileName);
  std::size_t lines = 0;
  for (std::string line; std::getline(file, line);)
    ++lines;
  return lines;
}
