// Parses each input as an input script. A script that is read must read back
// the same from the lines the recorder writes for it; a refused one must be
// told in one short line, however long the words it quotes. Anything else, or
// a crash, is a finding.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "replay/script.h"

using namespace ridgeline;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = ParseScript(text, "fuzz.txt");
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    // Two quoted words of at most 80 characters each, and the words around them.
    constexpr std::size_t kLongestMessage = 300;
    const std::string text = error->Text();
    if (text.find('\n') != std::string::npos || text.size() > kLongestMessage) std::abort();
    return 0;
  }
  const Script& script = std::get<Script>(parsed);
  std::string written = script.seed ? "seed " + std::to_string(*script.seed) + "\n" : "";
  for (const ScriptEvent& event : script.events) written += ScriptLine(event) + "\n";
  const auto reread = ParseScript(written, "written.txt");
  if (!std::holds_alternative<Script>(reread) || std::get<Script>(reread) != script) std::abort();
  return 0;
}
