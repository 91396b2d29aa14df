#ifndef PRISMORA_TESTS_TEST_SUPPORT_H_
#define PRISMORA_TESTS_TEST_SUPPORT_H_

#include <string>

// A fresh directory under the system's temp folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // Writes `contents` to a file of that name inside the directory and returns its path.
  std::string Write(const std::string& name, const std::string& contents) const;

 private:
  std::string path_;
};

#endif  // PRISMORA_TESTS_TEST_SUPPORT_H_
