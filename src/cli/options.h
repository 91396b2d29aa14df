#ifndef PRISMORA_CLI_OPTIONS_H_
#define PRISMORA_CLI_OPTIONS_H_

#include <optional>
#include <ostream>

// Exit status for a command line the game does not understand, as command-line tools use it.
constexpr int kUsageErrorStatus = 2;

// Acts on the command line before any play: --help and --version print to `out` and return 0;
// any other argument is named on `err` and returns kUsageErrorStatus. Returns nothing when there
// are no arguments, and the game is played.
std::optional<int> HandleOptions(int argc, const char* const* argv, std::ostream& out,
                                 std::ostream& err);

#endif  // PRISMORA_CLI_OPTIONS_H_
