#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ridgeline {

// The folder of the running program, or nothing with the reason in `error`.
std::optional<std::filesystem::path> ProgramFolder(std::string& error);

}  // namespace ridgeline
