#include "run/script_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace ridgeline {

std::optional<std::string> ReadScriptFile(const std::string& name, std::string& error) {
  auto refuse = [&](const std::string& why) {
    error = name + ": " + why;
    return std::nullopt;
  };
  auto unreadable = [&](const char* why) {
    return refuse("cannot be read (" + std::string(why) + ")");
  };
  // Asked before opening, since opening a pipe waits for its writer.
  std::error_code ec;
  const auto type = std::filesystem::status(name, ec).type();
  if (type != std::filesystem::file_type::regular &&
      type != std::filesystem::file_type::not_found) {
    return unreadable("not a regular file");
  }
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> in(std::fopen(name.c_str(), "rb"),
                                                              std::fclose);
  if (!in) return unreadable(std::strerror(errno));
  std::string text;
  char block[1 << 16];
  while (const std::size_t got = std::fread(block, 1, sizeof block, in.get())) {
    if (got > kScriptCap - text.size()) {
      return refuse("larger than " + std::to_string(kScriptCap >> 20) +
                    " MB, the most a script may be");
    }
    text.append(block, got);
  }
  if (std::ferror(in.get())) return unreadable(std::strerror(errno));
  return text;
}

}  // namespace ridgeline
