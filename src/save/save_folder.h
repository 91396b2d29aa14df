#ifndef PRISMORA_SAVE_SAVE_FOLDER_H_
#define PRISMORA_SAVE_SAVE_FOLDER_H_

#include <optional>
#include <string>

// The folder a terminal keeps saved games in: $XDG_STATE_HOME/prismora, or
// $HOME/.local/state/prismora when that is unset (or not an absolute path, which XDG ignores).
// None when neither variable gives a folder. The folder need not exist yet.
std::optional<std::string> SaveFolder();

#endif  // PRISMORA_SAVE_SAVE_FOLDER_H_
