#ifndef PRISMORA_TERM_STATE_FOLDER_H_
#define PRISMORA_TERM_STATE_FOLDER_H_

#include <filesystem>

// The XDG rule for a program's state between runs, from the values of XDG_STATE_HOME and HOME
// (null when unset): $XDG_STATE_HOME/prismora, or $HOME/.local/state/prismora when that is
// unset, empty or not an absolute path (the rule ignores a relative one); empty when HOME is not
// an absolute path either.
std::filesystem::path XdgStateFolder(const char* xdgStateHome, const char* home);

#endif  // PRISMORA_TERM_STATE_FOLDER_H_
