#include "desktop/settings_file.h"

#include <cstdint>
#include <string>

#include "common/file_system.h"
#include "common/path_text.h"
#include "common/regular_file.h"
#include "desktop/user_dirs.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// Far more than the file ever holds: anything larger is not a settings file.
constexpr std::uint64_t kLargestFile = 64 * 1024;

}  // namespace

fs::path SettingsFile() {
  const fs::path dir = SettingsDir();
  return dir.empty() ? fs::path{} : dir / "settings.ini";
}

Settings LoadSettings(const fs::path& file, std::string& warning) {
  const std::string name = Utf8FromPath(file);
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
  std::string why;
  const auto text = ReadRegularFile(name, kLargestFile, why);
  if (!text) {
    warning =
        name + ": " +
        (why == kTooLarge ? "larger than a settings file can be" : "cannot be read (" + why + ")") +
        "; playing with the defaults";
    return Settings{};
  }
  ReadSettings read = ParseSettings(*text);
  if (!read.problem.empty()) {
    warning = name + ": " + read.problem + "; the defaults stand in for what could not be read";
  }
  return read.settings;
}

bool SaveSettings(const fs::path& file, const Settings& settings, std::string& error) {
  auto fail = [&](const std::string& what) {
    error = Utf8FromPath(file) + ": settings not saved (" + what + ")";
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
