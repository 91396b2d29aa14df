#ifndef PRISMORA_FUZZ_MEMORY_STORE_H_
#define PRISMORA_FUZZ_MEMORY_STORE_H_

#include <map>
#include <string>
#include <vector>

#include "save/save_store.h"

// Saved games kept in memory, for games played in-process: a fuzzer or a test never writes to
// the player's own folder. `full` makes every write fail as a full browser storage does.
class MemoryStore final : public SaveStore {
 public:
  StoreResult Write(const std::string& name, const std::string& bytes) override {
    if (full)
      return {StoreFailure::kUnavailable, {}, {}, {}};
    games[name] = bytes;
    return {};
  }
  StoreResult Read(const std::string& name) override {
    const auto it = games.find(name);
    if (it == games.end())
      return {StoreFailure::kMissing, {}, {}, {}};
    if (it->second.size() > kMaxSaveBytes)
      return {StoreFailure::kTooLarge, {}, {}, {}};
    return {StoreFailure::kNone, {}, {}, it->second};
  }
  std::vector<std::string> Names() override {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : games) {
      if (IsSaveName(name))
        names.push_back(name);
    }
    return names;
  }
  void Remove(const std::string& name) override { games.erase(name); }

  std::map<std::string, std::string> games;
  bool full = false;
};

#endif  // PRISMORA_FUZZ_MEMORY_STORE_H_
