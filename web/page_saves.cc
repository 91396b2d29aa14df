#include "web/page_saves.h"

#include <emscripten.h>

#include <algorithm>

#include "save/autosave.h"

namespace {

// Module["saves"] is web/saves.js's store; each of its calls throws when the browser's storage
// cannot be used. A text comes back in two calls: its length in UTF-8 (or a code below 0), then
// its bytes.
// clang-format off
EM_JS(void, ConfigurePageSaves, (const char* kept, int maxBytes), {
  Module["saves"].configure(UTF8ToString(kept), maxBytes);
});
EM_JS(int, WritePageSave, (const char* name, const char* text), {
  try {
    Module["saves"].write(UTF8ToString(name), UTF8ToString(text));
    return 1;
  } catch (e) {
    return 0;
  }
});
// -1: no such game; -2: larger than any saved game; -3: the storage cannot be read.
EM_JS(int, ReadPageSave, (const char* name, int maxBytes), {
  let text;
  try {
    text = Module["saves"].read(UTF8ToString(name));
  } catch (e) {
    return -3;
  }
  if (text === null)
    return -1;
  const length = lengthBytesUTF8(text);
  if (length > maxBytes)
    return -2;
  Module["saveWaiting"] = text;
  return length;
});
EM_JS(int, PageSaveNames, (), {
  let names;
  try {
    names = Module["saves"].names();
  } catch (e) {
    names = [];
  }
  Module["saveWaiting"] = names.join("\n");
  return lengthBytesUTF8(Module["saveWaiting"]);
});
EM_JS(void, TakePageSave, (char* buffer, int size), {
  stringToUTF8(Module["saveWaiting"], buffer, size);
  Module["saveWaiting"] = null;
});
EM_JS(void, RemovePageSave, (const char* name), {
  try {
    Module["saves"].remove(UTF8ToString(name));
  } catch (e) {
  }
});
// clang-format on

std::string Take(int length) {
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  TakePageSave(text.data(), length + 1);
  text.pop_back();
  return text;
}

}  // namespace

PageStore::PageStore() {
  ConfigurePageSaves(kKeptGameName, static_cast<int>(kMaxSaveBytes));
}

StoreResult PageStore::Write(const std::string& name, const std::string& bytes) {
  if (WritePageSave(name.c_str(), bytes.c_str()) == 0)
    return {StoreFailure::kUnavailable, {}, {}, {}};
  return {};
}

StoreResult PageStore::Read(const std::string& name) {
  const int length = ReadPageSave(name.c_str(), static_cast<int>(kMaxSaveBytes));
  if (length == -1)
    return {StoreFailure::kMissing, {}, {}, {}};
  if (length == -2)
    return {StoreFailure::kTooLarge, {}, {}, {}};
  if (length < 0)
    return {StoreFailure::kUnavailable, {}, {}, {}};
  return {StoreFailure::kNone, {}, {}, Take(length)};
}

std::vector<std::string> PageStore::Names() {
  const std::string all = Take(PageSaveNames());
  std::vector<std::string> names;
  for (std::size_t start = 0; start < all.size();) {
    const std::size_t end = std::min(all.find('\n', start), all.size());
    const std::string name = all.substr(start, end - start);
    if (IsSaveName(name))
      names.push_back(name);
    start = end + 1;
  }
  std::sort(names.begin(), names.end());
  return names;
}

void PageStore::Remove(const std::string& name) {
  RemovePageSave(name.c_str());
}
