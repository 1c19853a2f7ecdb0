#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ridgeline {

// Paths travel through the game as UTF-8 text on every system: from the
// command line, from SDL and from the player's folders. They become paths of
// the file system, and paths become text again, only through these two, so
// that a folder named in any language is the same folder both ways (a
// std::string would be read in the system's code page on Windows).
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace ridgeline
