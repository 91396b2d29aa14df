#ifndef PRISMORA_TESTS_TEST_SUPPORT_H_
#define PRISMORA_TESTS_TEST_SUPPORT_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>

// Writes a file into GoogleTest's temporary folder, named for this process; returns its path.
inline std::string WriteTempFile(const std::string& name, const std::string& contents) {
  const std::string path = testing::TempDir() + "prismora-" + std::to_string(getpid()) + "-" + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

#endif  // PRISMORA_TESTS_TEST_SUPPORT_H_
