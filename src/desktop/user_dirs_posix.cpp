#include "desktop/user_dirs.h"

#include <cstdlib>
#include <fstream>
#include <string>

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

// The pictures directory in user-dirs.dirs, a shell fragment written by
// xdg-user-dirs-update: XDG_PICTURES_DIR="$HOME/Pictures" or an absolute path.
fs::path PicturesFromUserDirs(const fs::path& configHome, const fs::path& home) {
  std::ifstream file(configHome / "user-dirs.dirs");
  const std::string key = "XDG_PICTURES_DIR=\"";
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    const std::string homeVariable = "$HOME";
    if (value.rfind(homeVariable, 0) == 0 && !home.empty()) {
      value = home.string() + value.substr(homeVariable.size());
    }
    if (!value.empty() && value.front() == '/') return value;
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
