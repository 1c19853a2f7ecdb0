// Windows names the running program's module by its wide path.
#include <windows.h>

#include <system_error>
#include <vector>

#include "app/program_folder.h"

namespace ridgeline {

namespace fs = std::filesystem;

std::optional<fs::path> ProgramPath(std::string& error) {
  // The path may be longer than MAX_PATH: grow the buffer until it fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    if (length == 0) {
      error = "cannot tell where the game's data is: the game's own path is unknown (" +
              std::system_category().message(int(GetLastError())) + ")";
      return std::nullopt;
    }
    if (length < buffer.size()) return fs::path(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::optional<fs::path> ProgramFolder(std::string& error) {
  const auto path = ProgramPath(error);
  return path ? std::optional(path->parent_path()) : std::nullopt;
}

}  // namespace ridgeline
