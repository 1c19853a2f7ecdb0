#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/settings.h"
#include "media/platform/platform.h"

namespace ridgeline {

// The player's settings as their file holds them, and that file: empty when
// they are kept nowhere (a scripted run).
struct KeptSettings {
  std::filesystem::path file;
  Settings settings;
};

// What the pause menu shows of the games kept, and what it asks for them.
struct MenuSources {
  bool menu = false;  // play at the window: there is a pause menu
  // Each game kept, best first: its rank and score, and its date.
  std::function<std::vector<std::pair<std::string, std::string>>()> bestGames;
  std::function<void(int rank)> watch;
  // Sends best game `rank` to the score board; the line to show.
  std::function<std::string(int rank)> submit;
};

// SDL's window and sound for play at a desktop, with `play` the settings of
// this run, and the desktop's keys and menu wired up: a change made with a
// key (full screen, mute) or in the menu is saved in `kept` at once, and F12
// saves the picture shown in ScreenshotDir(). `withoutSound` opens no sound
// device at all: the sounds then follow the frames unheard, as in a headless
// run.
Platform MakeDesktopPlatform(const Settings& play, KeptSettings kept, bool withoutSound,
                             const MenuSources& sources);

}  // namespace ridgeline
