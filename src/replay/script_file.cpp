#include "replay/script_file.h"

#include "common/regular_file.h"

namespace ridgeline {

std::optional<std::string> ReadScriptFile(const std::string& name, std::string& error) {
  std::string why;
  auto text = ReadRegularFile(name, kLargestScript, why);
  if (!text) {
    if (why == kTooLarge) {
      why = "larger than the " + std::to_string(kLargestScript >> 20) + " MB a script may hold";
    }
    error = name + ": cannot be read (" + why + ")";
  }
  return text;
}

}  // namespace ridgeline
