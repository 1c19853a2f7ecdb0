#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include "desktop/user_dirs.h"

namespace ridgeline {

namespace {

namespace fs = std::filesystem;

// Ridgeline in one of the user's known folders.
fs::path InKnownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  fs::path dir;
  if (SUCCEEDED(SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &path))) {
    dir = fs::path(path) / "Ridgeline";
  }
  CoTaskMemFree(path);
  return dir;
}

}  // namespace

fs::path SettingsDir() {
  return InKnownFolder(FOLDERID_RoamingAppData);
}

fs::path DataDir() {
  return InKnownFolder(FOLDERID_RoamingAppData);
}

fs::path ScreenshotDir() {
  return InKnownFolder(FOLDERID_Pictures);
}

}  // namespace ridgeline
