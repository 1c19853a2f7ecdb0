#include "desktop/settings_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "common/file_system.h"
#include "desktop/user_dirs.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// Far more than the file ever holds: anything larger is not a settings file.
constexpr std::uintmax_t kLargestFile = 64 * 1024;

}  // namespace

fs::path SettingsFile() {
  const fs::path dir = SettingsDir();
  return dir.empty() ? fs::path{} : dir / "settings.ini";
}

Settings LoadSettings(const fs::path& file, std::string& warning) {
  const std::string name = file.string();
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) {
    std::string saveError;
    warning = SaveSettings(file, Settings{}, saveError)
                  ? name + " was not there: playing with the defaults, written there to edit"
                  : saveError;
    return Settings{};
  }
  // Only a regular file is read: a pipe in its place would block for ever.
  if (status.type() != fs::file_type::regular) {
    warning = name + ": not a regular file; playing with the defaults";
    return Settings{};
  }
  if (fs::file_size(file, error) > kLargestFile) {
    warning = name + ": larger than a settings file can be; playing with the defaults";
    return Settings{};
  }
  std::ifstream in(file, std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  if (!in && !in.eof()) {
    warning = name + ": cannot be read (" + std::strerror(errno) + "); playing with the defaults";
    return Settings{};
  }
  ReadSettings read = ParseSettings(text);
  if (!read.problem.empty()) {
    warning = name + ": " + read.problem + "; the defaults stand in for what could not be read";
  }
  return read.settings;
}

bool SaveSettings(const fs::path& file, const Settings& settings, std::string& error) {
  auto fail = [&](const std::string& what) {
    error = file.string() + ": settings not saved (" + what + ")";
    return false;
  };
  std::error_code made;
  fs::create_directories(file.parent_path(), made);
  if (made) return fail(made.message());
  // A link is written through, so that the file it names stays the one in use.
  std::error_code unresolved;
  const fs::path target = fs::is_symlink(fs::symlink_status(file, unresolved))
                              ? fs::weakly_canonical(file, unresolved)
                              : file;
  if (const auto why = WriteFileWhole(unresolved ? file : target, FormatSettings(settings))) {
    return fail(*why);
  }
  return true;
}

}  // namespace ridgeline
