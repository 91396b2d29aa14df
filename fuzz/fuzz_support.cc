#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "input/match_response.h"

void EnterWorkDirWith(const char* responseFile) {
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
}
