#pragma once

#include <filesystem>

namespace ridgeline {

// The player's own directories, where the game keeps its settings and
// screenshots: here the XDG base and user directories. (On Windows these
// would be %APPDATA%\Ridgeline and the Pictures folder.) Empty when no home
// directory is known to place them in.

// $XDG_CONFIG_HOME/ridgeline, else ~/.config/ridgeline.
std::filesystem::path SettingsDir();

// Ridgeline in the pictures directory: $XDG_PICTURES_DIR, else the one that
// user-dirs.dirs in the configuration directory names, else ~/Pictures.
std::filesystem::path ScreenshotDir();

}  // namespace ridgeline
