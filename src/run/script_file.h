#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace ridgeline {

// The largest script read: far beyond any run played by hand (an hour of
// play records well under a megabyte), small enough that a wrong or hostile
// file cannot take the machine's memory.
inline constexpr std::size_t kScriptCap = 64 << 20;

// The text of the script file `name`: a regular file (never a device or a
// pipe, which could block or never end) of at most kScriptCap bytes. On
// failure returns nothing and sets `error` to one line naming the file.
std::optional<std::string> ReadScriptFile(const std::string& name, std::string& error);

}  // namespace ridgeline
