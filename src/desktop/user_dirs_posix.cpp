#include "desktop/user_dirs.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "common/path_text.h"
#include "common/regular_file.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// An environment variable holding an absolute path; the XDG rules ignore a
// relative one.
fs::path AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return {};
  return value;
}

fs::path Home() {
  return AbsoluteFromEnvironment("HOME");
}

// An XDG base directory: $VARIABLE, else `underHome` in the home directory.
fs::path BaseDir(const char* variable, const char* underHome) {
  const fs::path base = AbsoluteFromEnvironment(variable);
  if (!base.empty()) return base;
  const fs::path home = Home();
  return home.empty() ? fs::path{} : home / underHome;
}

fs::path ConfigHome() {
  return BaseDir("XDG_CONFIG_HOME", ".config");
}

// Far more than the file ever holds: it names a dozen directories.
constexpr std::uint64_t kLargestUserDirs = 64 * 1024;

// A value of user-dirs.dirs as the shell reads it between its double quotes:
// a backslash keeps the character after it. Nothing when the quotes do not
// close at the end of the line.
std::optional<std::string> Unquoted(std::string_view quoted) {
  std::string value;
  for (std::size_t at = 0; at < quoted.size(); ++at) {
    if (quoted[at] == '"') return at + 1 == quoted.size() ? std::optional(value) : std::nullopt;
    if (quoted[at] == '\\' && at + 1 < quoted.size()) ++at;
    value += quoted[at];
  }
  return std::nullopt;
}

// The pictures directory in user-dirs.dirs, a shell fragment written by
// xdg-user-dirs-update: XDG_PICTURES_DIR="$HOME/Pictures" or an absolute
// path, as the XDG rules allow; nothing else is read there. The file is read
// only when it is a small regular one: a FIFO there would never end.
fs::path PicturesFromUserDirs(const fs::path& configHome, const fs::path& home) {
  std::string why;
  const auto text =
      ReadRegularFile(Utf8FromPath(configHome / "user-dirs.dirs"), kLargestUserDirs, why);
  if (!text) return {};
  constexpr std::string_view kKey = "XDG_PICTURES_DIR=\"";
  constexpr std::string_view kHome = "$HOME";
  std::string_view rest = *text;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (!line.starts_with(kKey)) continue;
    std::optional<std::string> value = Unquoted(line.substr(kKey.size()));
    if (!value) continue;
    if (*value == kHome || value->starts_with(std::string(kHome) + "/")) {
      if (home.empty()) continue;
      value = Utf8FromPath(home) + value->substr(kHome.size());
    }
    if (value->starts_with('/')) return *value;
  }
  return {};
}

}  // namespace

fs::path SettingsDir() {
  const fs::path configHome = ConfigHome();
  return configHome.empty() ? fs::path{} : configHome / "ridgeline";
}

fs::path DataDir() {
  const fs::path dataHome = BaseDir("XDG_DATA_HOME", ".local/share");
  return dataHome.empty() ? fs::path{} : dataHome / "ridgeline";
}

fs::path ScreenshotDir() {
  fs::path pictures = AbsoluteFromEnvironment("XDG_PICTURES_DIR");
  const fs::path home = Home();
  if (pictures.empty()) pictures = PicturesFromUserDirs(ConfigHome(), home);
  if (pictures.empty() && !home.empty()) pictures = home / "Pictures";
  return pictures.empty() ? fs::path{} : pictures / "Ridgeline";
}

}  // namespace ridgeline
