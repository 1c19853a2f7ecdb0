#include "media/app_path.h"

#include <filesystem>
#include <system_error>

#include "common/run_time_error.h"

// Linux names the running program in /proc; elsewhere SDL, or under Node the
// folder of the game's .js file, tells where the program is.
#if defined(__linux__)
#include <sys/auxv.h>
#elif defined(__EMSCRIPTEN__)
#include <emscripten.h>
#else
#include <SDL.h>
#endif

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

#ifdef __linux__
// The kernel's link to the running program, already free of symbolic links.
constexpr const char* kOwnExecutable = "/proc/self/exe";

// The executable's real path, or nothing with the reason in `error`.
std::optional<fs::path> ExecutablePath(std::string& error) {
  // The game is a dynamically linked program, so the kernel loads its
  // interpreter and tells where (AT_BASE). Zero means the kernel ran the
  // loader itself as the program ("ld.so ./ridgeline"): the link below then
  // names the loader, not the game.
  if (getauxval(AT_BASE) == 0) {
    error =
        "cannot tell where the game's data is: started through the dynamic loader; "
        "start the game's executable itself";
    return std::nullopt;
  }
  std::error_code failure;
  fs::path path = fs::read_symlink(kOwnExecutable, failure);
  if (failure) {
    error = std::string("cannot tell where the game's data is: the game's own path is unknown (") +
            kOwnExecutable + ": " + failure.message() + ")";
    return std::nullopt;
  }
  return path;
}

// The folder of the executable, or nothing with the reason in `error`.
std::optional<fs::path> ProgramFolder(std::string& error) {
  const auto executable = ExecutablePath(error);
  if (!executable) return std::nullopt;
  return executable->parent_path();
}
#else
// The folder of the program, or nothing with the reason in `error`.
std::optional<fs::path> ProgramFolder([[maybe_unused]] std::string& error) {
#ifdef __EMSCRIPTEN__
  // Under Node the game reads the real file system, beside its .js file; in
  // a browser its data is packed under "/".
  std::string path = emscripten_run_script_string("typeof __dirname == 'string' ? __dirname : '/'");
#else
  char* base = SDL_GetBasePath();
  if (!base) {
    error = std::string("cannot tell where the game's data is: the game's own path is unknown (") +
            SDL_GetError() + ")";
    return std::nullopt;
  }
  std::string path = base;
  SDL_free(base);
#endif
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return fs::path(path);
}
#endif

std::string& Stored() {
  static std::string path;
  return path;
}

}  // namespace

std::optional<std::string> FindAppPath(std::string& error) {
  const auto folder = ProgramFolder(error);
  if (!folder) return std::nullopt;
  const fs::path& beside = *folder;
  const fs::path installed = (beside.parent_path() / "share" / "ridgeline").lexically_normal();
  for (const fs::path& candidate : {beside, installed}) {
    std::error_code failure;
    if (fs::is_directory(candidate / "Data", failure)) return candidate.string();
  }
  error =
      "no game data in " + (beside / "Data").string() + " nor in " + (installed / "Data").string();
  return std::nullopt;
}

const std::string& AppPath() {
  std::string& path = Stored();
  if (path.empty()) {
    std::string error;
    const auto found = FindAppPath(error);
    if (!found) throw RunTimeError(error);
    path = *found;
  }
  return path;
}

void SetAppPath(std::string path) {
  Stored() = std::move(path);
}

std::string DataFilePath(const DataFile& file) {
  return AppPath() + "/Data/" + std::string(file.path);
}

}  // namespace ridgeline
