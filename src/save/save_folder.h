#ifndef PRISMORA_SAVE_SAVE_FOLDER_H_
#define PRISMORA_SAVE_SAVE_FOLDER_H_

#include <optional>
#include <string>

// The folder saved games are kept in: the platform's folder for what the game keeps between
// runs (StateFolder: $XDG_STATE_HOME/prismora or ~/.local/state/prismora, %LOCALAPPDATA%\prismora
// on Windows). None when the environment names no such place. It need not exist yet.
std::optional<std::string> SaveFolder();

#endif  // PRISMORA_SAVE_SAVE_FOLDER_H_
