#pragma once

#include <filesystem>
#include <string>

#include "desktop/settings.h"

namespace ridgeline {

// The player's settings file: settings.ini in SettingsDir(); empty when there
// is no place for it.
std::filesystem::path SettingsFile();

// Reads the settings at `file`. What cannot be read takes its default, and
// `warning` is set to one line saying what was wrong; a file not there yet
// is written with the defaults, for the player to find and edit.
Settings LoadSettings(const std::filesystem::path& file, std::string& warning);

// Writes `settings` to `file`, making its directory if needed: to a new file
// beside it first, then renamed over it, so that the file is never seen half
// written. False, with `error` set to one line, when that fails.
bool SaveSettings(const std::filesystem::path& file, const Settings& settings, std::string& error);

}  // namespace ridgeline
