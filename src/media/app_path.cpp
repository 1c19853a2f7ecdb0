#include "media/app_path.h"

#include <sys/auxv.h>

#include <filesystem>
#include <system_error>

#include "common/run_time_error.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

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

std::string& Stored() {
  static std::string path;
  return path;
}

}  // namespace

std::optional<std::string> FindAppPath(std::string& error) {
  const auto executable = ExecutablePath(error);
  if (!executable) return std::nullopt;
  const fs::path beside = executable->parent_path();
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
