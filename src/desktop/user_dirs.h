#pragma once

#include <filesystem>

namespace ridgeline {

// The player's own directories, where the game keeps what it writes for them:
// the XDG base and user directories on Linux, the known folders on Windows.
// Empty when none is known to place them in.

// $XDG_CONFIG_HOME/ridgeline, else ~/.config/ridgeline; %APPDATA%\Ridgeline.
std::filesystem::path SettingsDir();

// $XDG_DATA_HOME/ridgeline, else ~/.local/share/ridgeline; %APPDATA%\Ridgeline.
std::filesystem::path DataDir();

// Ridgeline in the pictures directory: $XDG_PICTURES_DIR, else the one that
// user-dirs.dirs in the configuration directory names, else ~/Pictures; the
// Pictures folder on Windows.
std::filesystem::path ScreenshotDir();

}  // namespace ridgeline
