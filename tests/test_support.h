#ifndef PRISMORA_TESTS_TEST_SUPPORT_H_
#define PRISMORA_TESTS_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <fstream>
#include <string>

// Writes a file of that name and contents into GoogleTest's temporary folder; returns its path.
inline std::string WriteTempFile(const std::string& name, const std::string& contents) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

#endif  // PRISMORA_TESTS_TEST_SUPPORT_H_
