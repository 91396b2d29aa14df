#include "save/save_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kSuffix[] = ".save";

StoreResult Failure(StoreFailure failure, const std::string& where, int error) {
  return {failure, where, std::strerror(error), {}};
}

// Makes the folder and any parent it lacks, each only for its owner to read.
bool MakeFolder(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
      return false;
    if (slash == std::string::npos)
      return true;
  }
}

// Every byte, despite short writes and interrupted calls.
bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool IsSaveName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxSaveNameLength &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
         });
}

StoreResult FolderStore::Write(const std::string& name, const std::string& bytes) {
  if (!folder_)
    return {StoreFailure::kNoFolder, {}, {}, {}};
  const std::string& folder = *folder_;
  if (!MakeFolder(folder))
    return Failure(StoreFailure::kNotWritable, folder, errno);
  // A dot first: never listed as a game, whatever happens to it.
  std::string temporary = folder + "/." + name + kSuffix + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0)
    return Failure(StoreFailure::kNotWritable, folder, errno);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.c_str());
    return Failure(StoreFailure::kNotWritable, folder, error);
  }
  if (::rename(temporary.c_str(), (folder + "/" + name + kSuffix).c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failure(StoreFailure::kNotWritable, folder, error);
  }
  // The rename itself reaches the disk with the folder's own entry.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

StoreResult FolderStore::Read(const std::string& name) {
  if (!folder_)
    return {StoreFailure::kMissing, {}, {}, {}};
  const std::string path = *folder_ + "/" + name + kSuffix;
  // Not blocking: a pipe put there in its place reads as empty instead of hanging the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) {
    return Failure(errno == ENOENT ? StoreFailure::kMissing : StoreFailure::kUnreadable, *folder_,
                   errno);
  }
  StoreResult result;
  // One byte more than the limit tells a file at the limit from one beyond it.
  result.bytes.resize(kMaxSaveBytes + 1);
  std::size_t have = 0;
  while (have < result.bytes.size()) {
    const ssize_t n = ::read(fd, result.bytes.data() + have, result.bytes.size() - have);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return Failure(StoreFailure::kUnreadable, *folder_, error);
    }
    if (n == 0)
      break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (have > kMaxSaveBytes)
    return {StoreFailure::kTooLarge, *folder_, {}, {}};
  result.bytes.resize(have);
  return result;
}

std::vector<std::string> FolderStore::Names() {
  std::vector<std::string> names;
  DIR* dir = folder_ ? ::opendir(folder_->c_str()) : nullptr;
  if (dir == nullptr)
    return names;
  const std::size_t suffix = std::strlen(kSuffix);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view file = entry->d_name;
    if (file.size() > suffix && file.substr(file.size() - suffix) == kSuffix &&
        IsSaveName(file.substr(0, file.size() - suffix)))
      names.emplace_back(file.substr(0, file.size() - suffix));
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

void FolderStore::Remove(const std::string& name) {
  if (folder_)
    ::unlink((*folder_ + "/" + name + kSuffix).c_str());
}
