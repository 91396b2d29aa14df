#include "cli/options.h"

#include <string_view>

#ifndef PRISMORA_VERSION
#error "PRISMORA_VERSION must come from project() in CMakeLists.txt"
#endif

namespace {

constexpr char kUsage[] =
    "Usage: prismora [--help | --version]\n"
    "\n"
    "Prismora: The Prequel, a text adventure. You are Maize, travelling through a blizzard with\n"
    "four companions to the snowed-in orphanage where you grew up, in search of the last of the\n"
    "masks.\n"
    "\n"
    "Type start on the title screen, or quit to leave. Then type what you want to do, one\n"
    "command per line. Each line is compared as a whole with the phrases the game knows, so\n"
    "short commands work best: look, north (or n), talk to blot, take the blue stone,\n"
    "inventory (or i). Once the adventure has started, end of input (Ctrl-D on an empty line)\n"
    "ends the game.\n"
    "\n"
    "The phrases are read from PlayerResponse.txt in the working directory; the prismora\n"
    "launcher starts the game in the folder that holds its installed copy.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "See prismora(6) for more.\n";

constexpr char kVersion[] = "prismora (Prismora: The Prequel) " PRISMORA_VERSION "\n";

}  // namespace

std::optional<int> HandleOptions(int argc, const char* const* argv, std::ostream& out,
                                 std::ostream& err) {
  // Every argument must be known before any is acted on, so a typo is never half obeyed.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument != "--help" && argument != "--version") {
      err << "prismora: unknown argument '" << argument << "'; try 'prismora --help'\n";
      return kUsageErrorStatus;
    }
  }
  if (argc < 2)
    return std::nullopt;
  out << (std::string_view{argv[1]} == "--help" ? kUsage : kVersion) << std::flush;
  if (out)
    return 0;
  err << "prismora: could not write to standard output\n";
  return 1;
}
