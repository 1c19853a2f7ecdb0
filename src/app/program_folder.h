#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ridgeline {

// The running program's own file, or nothing with the reason in `error`.
// Only Windows asks for it: elsewhere the kernel names it.
std::optional<std::filesystem::path> ProgramPath(std::string& error);

// The folder of the running program, or nothing with the reason in `error`.
std::optional<std::filesystem::path> ProgramFolder(std::string& error);

}  // namespace ridgeline
