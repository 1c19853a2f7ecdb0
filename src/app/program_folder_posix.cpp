// Linux names the running program in /proc.
#include <sys/auxv.h>

#include <system_error>

#include "app/program_folder.h"

namespace ridgeline {

namespace fs = std::filesystem;

namespace {

// The kernel's link to the running program, already free of symbolic links.
constexpr const char* kOwnExecutable = "/proc/self/exe";

}  // namespace

std::optional<fs::path> ProgramFolder(std::string& error) {
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
  return path.parent_path();
}

}  // namespace ridgeline
