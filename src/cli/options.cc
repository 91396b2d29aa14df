#include "cli/options.h"

#include <string_view>

#include "text/console.h"

#ifndef PRISMORA_VERSION
#error "PRISMORA_VERSION must come from project() in CMakeLists.txt"
#endif

namespace {

// --help: the story's own help guide between the two parts of the usage, so the command list
// is written once.
void WriteUsage(std::ostream& out) {
  const TextParts& usage = PartsOf(Text::kUsage);
  const TextParts& guide = PartsOf(Text::kHelpGuide);
  out << usage.parts[0] << '\n';
  for (std::size_t i = 0; i < guide.count; ++i)
    out << guide.parts[i] << '\n';
  out << PartsOf(Text::kHelpEndCtrlD).parts[0] << '\n';
  out << usage.parts[1] << '\n';
}

constexpr char kVersion[] = "prismora (Prismora: The Prequel) " PRISMORA_VERSION "\n";

}  // namespace

std::optional<int> HandleOptions(int argc, const char* const* argv, std::ostream& out,
                                 std::ostream& err) {
  // Every argument must be known before any is acted on, so a typo is never half obeyed.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument != "--help" && argument != "--version") {
      err << Fill(Text::kUnknownArgument, {argument}) << '\n';
      return kUsageErrorStatus;
    }
  }
  if (argc < 2)
    return std::nullopt;
  if (std::string_view{argv[1]} == "--help")
    WriteUsage(out);
  else
    out << kVersion;
  out << std::flush;
  if (out)
    return 0;
  err << Fill(Text::kCannotWrite) << '\n';
  return 1;
}
