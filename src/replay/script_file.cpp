#include "replay/script_file.h"

#include <cerrno>
#include <cstring>

#include "common/file_system.h"
#include "common/regular_file.h"

namespace ridgeline {

std::optional<std::string> ReadScriptFile(const std::string& name, std::string& error) {
  auto refuse = [&](const std::string& why) {
    error = name + ": cannot be read (" + why + ")";
    return std::nullopt;
  };
  std::string why;
  const ReadableFile file = OpenRegularFile(name, why);
  if (!file.IsOpen()) return refuse(why);
  const std::string tooLarge =
      "larger than the " + std::to_string(kLargestScript >> 20) + " MB a script may hold";
  if (file.Size() > kLargestScript) return refuse(tooLarge);

  std::string text;
  text.reserve(file.Size());
  char block[1 << 16];
  for (;;) {
    const long got = ReadSome(file.Descriptor(), block, sizeof block);
    if (got == 0) return text;
    if (got < 0) return refuse(std::strerror(errno));
    text.append(block, static_cast<std::size_t>(got));
    // A file that grows as it is read stops here all the same.
    if (text.size() > kLargestScript) return refuse(tooLarge);
  }
}

}  // namespace ridgeline
