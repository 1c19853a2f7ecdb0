#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ridgeline {

// The largest script read: a million events take about 15 MB, and a script
// is read whole before the run starts.
constexpr std::uint64_t kLargestScript = 64u << 20;

// Reads the script file `name` whole. A file that is not a regular one, or
// that holds more than kLargestScript bytes, is refused without reading it
// (and however it grows meanwhile, no more than that is read). On failure
// returns nothing and sets `error` to one line naming the file.
std::optional<std::string> ReadScriptFile(const std::string& name, std::string& error);

}  // namespace ridgeline
