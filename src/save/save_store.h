#ifndef PRISMORA_SAVE_SAVE_STORE_H_
#define PRISMORA_SAVE_SAVE_STORE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Larger than any saved game this story can make (a real one holds about a kilobyte): a file
// beyond it is refused without being read whole, and a game beyond it is not written.
constexpr std::size_t kMaxSaveBytes = 64 * 1024;

// The name "save" and "restore" use when the player gives none.
constexpr char kDefaultSaveName[] = "game";
constexpr std::size_t kMaxSaveNameLength = 32;

// A name is one word of lowercase letters, digits, - and _, so it can never reach outside the
// place the games are kept in, and names the same file on every platform.
bool IsSaveName(std::string_view name);

// Why a saved game could not be kept or read.
enum class StoreFailure {
  kNone,
  kMissing,      // no saved game of that name
  kNoFolder,     // nowhere to keep games: no folder is known
  kNotWritable,  // the place cannot be written; `detail` says why
  kUnreadable,   // the saved game is there but cannot be read; `detail` says why
  kTooLarge,     // larger than any saved game, and so not read
  kUnavailable,  // the browser's storage is full or turned off
};

struct StoreResult {
  StoreFailure failure = StoreFailure::kNone;
  std::string where;   // the folder, for a message about it
  std::string detail;  // the system's own words for what went wrong
  std::string bytes;   // what was read
};

// Where saved games are kept by name: a folder at a terminal, the browser's storage on the page.
class SaveStore {
 public:
  virtual ~SaveStore() = default;
  // Replaces the saved game `name` with `bytes`, wholly or not at all.
  virtual StoreResult Write(const std::string& name, const std::string& bytes) = 0;
  // The saved game `name`: kMissing when there is none, kTooLarge when it is larger than
  // kMaxSaveBytes, which is then not read.
  virtual StoreResult Read(const std::string& name) = 0;
  // The names of the games kept, sorted.
  virtual std::vector<std::string> Names() = 0;
  // Forgets the game `name`, if there is one.
  virtual void Remove(const std::string& name) = 0;
};

// Games as files NAME.save in a folder, made (with its parents) on the first save. A save goes
// to a temporary file in the same folder, is flushed to the disk, then renamed over the old
// file, so a failure never leaves half a file nor harms the game saved before under that name.
class FolderStore final : public SaveStore {
 public:
  explicit FolderStore(std::optional<std::string> folder) : folder_(std::move(folder)) {}
  StoreResult Write(const std::string& name, const std::string& bytes) override;
  StoreResult Read(const std::string& name) override;
  std::vector<std::string> Names() override;
  void Remove(const std::string& name) override;

 private:
  std::optional<std::string> folder_;
};

#endif  // PRISMORA_SAVE_SAVE_STORE_H_
