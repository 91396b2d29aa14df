#ifndef PRISMORA_WEB_PAGE_SAVES_H_
#define PRISMORA_WEB_PAGE_SAVES_H_

#include <string>
#include <vector>

#include "save/save_store.h"

// Saved games in the browser's storage, through the page's script (web/saves.js): the same text
// a terminal writes to a file, under the same names. Storage that is full or turned off fails a
// write with kUnavailable; a game larger than any saved game is refused before it is copied in.
class PageStore final : public SaveStore {
 public:
  PageStore();  // tells the page the name of the kept game and the largest saved game
  StoreResult Write(const std::string& name, const std::string& bytes) override;
  StoreResult Read(const std::string& name) override;
  std::vector<std::string> Names() override;
  void Remove(const std::string& name) override;
};

#endif  // PRISMORA_WEB_PAGE_SAVES_H_
