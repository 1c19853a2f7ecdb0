#pragma once

#include <filesystem>

#include "desktop/settings.h"
#include "media/platform/platform.h"

namespace ridgeline {

// The player's settings as their file holds them, and that file: empty when
// they are kept nowhere (a scripted run).
struct KeptSettings {
  std::filesystem::path file;
  Settings settings;
};

// SDL's window and sound for play at a desktop, with `play` the settings of
// this run, and the desktop's keys wired up: a change made with a key (full
// screen, mute) is saved in `kept` at once, and F12 saves the picture shown
// in ScreenshotDir(). `withoutSound` opens no sound device at all: the sounds
// then follow the frames unheard, as in a headless run.
Platform MakeDesktopPlatform(const Settings& play, KeptSettings kept, bool withoutSound);

}  // namespace ridgeline
