#include "save/save_store.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "term/platform.h"

namespace fs = std::filesystem;

namespace {

constexpr char kSuffix[] = ".save";

StoreResult Failure(StoreFailure failure, const std::string& where, const std::error_code& error) {
  return {failure, where, error.message(), {}};
}

fs::path PathOf(const std::string& folder, const std::string& name) {
  return fs::path(folder) / (name + kSuffix);
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
  std::error_code error;
  if (fs::create_directories(folder, error))
    fs::permissions(folder, fs::perms::owner_all, error);  // only for its owner to read
  if (error || !fs::is_directory(folder, error))
    return Failure(StoreFailure::kNotWritable, folder,
                   error ? error : std::make_error_code(std::errc::not_a_directory));
  // A dot first: never listed as a game, whatever happens to it. A number of its own, so that
  // two games saving at once never write into one file.
  const fs::path temporary =
      fs::path(folder) / ("." + name + kSuffix + "." + std::to_string(std::random_device{}()));
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    written = out.is_open() &&
              out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush();
  }
  // The bytes reach the disk before the name does, so a crash leaves the old game or the new.
  if (!written || !SyncToDisk(temporary)) {
    fs::remove(temporary, error);
    return Failure(StoreFailure::kNotWritable, folder, std::make_error_code(std::errc::io_error));
  }
  fs::rename(temporary, PathOf(folder, name), error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Failure(StoreFailure::kNotWritable, folder, error);
  }
  SyncToDisk(folder);  // the rename itself, with the folder's own entry
  return {};
}

StoreResult FolderStore::Read(const std::string& name) {
  if (!folder_)
    return {StoreFailure::kMissing, {}, {}, {}};
  const fs::path path = PathOf(*folder_, name);
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status))
    return {StoreFailure::kMissing, *folder_, {}, {}};
  // Only a plain file: a pipe put there in its place would hang the game.
  if (!fs::is_regular_file(status))
    return Failure(StoreFailure::kUnreadable, *folder_,
                   error ? error : std::make_error_code(std::errc::invalid_argument));
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open())
    return Failure(StoreFailure::kUnreadable, *folder_,
                   std::make_error_code(std::errc::permission_denied));
  StoreResult result;
  // One byte more than the limit tells a file at the limit from one beyond it.
  result.bytes.resize(kMaxSaveBytes + 1);
  in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
  const std::size_t have = static_cast<std::size_t>(in.gcount());
  if (in.bad())
    return Failure(StoreFailure::kUnreadable, *folder_, std::make_error_code(std::errc::io_error));
  if (have > kMaxSaveBytes)
    return {StoreFailure::kTooLarge, *folder_, {}, {}};
  result.bytes.resize(have);
  return result;
}

std::vector<std::string> FolderStore::Names() {
  std::vector<std::string> names;
  std::error_code error;
  if (!folder_)
    return names;
  const std::string_view suffix = kSuffix;
  for (fs::directory_iterator it(*folder_, error), end; !error && it != end; it.increment(error)) {
    const std::string file = it->path().filename().string();
    if (file.size() > suffix.size() &&
        file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0 &&
        IsSaveName(std::string_view(file).substr(0, file.size() - suffix.size())))
      names.push_back(file.substr(0, file.size() - suffix.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

void FolderStore::Remove(const std::string& name) {
  std::error_code ignored;
  if (folder_)
    fs::remove(PathOf(*folder_, name), ignored);
}
