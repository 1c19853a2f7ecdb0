#include "app/platform_choice.h"

#include <string>

#include "common/warning.h"
#include "desktop/desktop_platform.h"
#include "desktop/settings_file.h"
#include "media/headless/headless_platform.h"

namespace ridgeline {

namespace {

// The player's settings, changed by the command line for this run only.
Settings ForThisRun(Settings settings, const Options& options) {
  if (options.fullScreen) settings.fullScreen = *options.fullScreen;
  if (options.scale) settings.scale = *options.scale;
  if (options.volume) settings.volume = *options.volume;
  if (options.noAutopause) settings.autopause = false;
  return settings;
}

// The player's settings and their file. A scripted run neither reads nor
// writes them, so that it plays alike wherever it runs.
KeptSettings PlayersSettings(const Options& options) {
  KeptSettings kept;
  if (!options.input.empty()) return kept;
  kept.file = SettingsFile();
  if (kept.file.empty()) return kept;
  std::string warning;
  kept.settings = LoadSettings(kept.file, warning);
  if (!warning.empty()) Warn(warning);
  return kept;
}

}  // namespace

Platform MakePlatform(const Options& options) {
  if (options.headless) return MakeHeadlessPlatform().platform;
  KeptSettings kept = PlayersSettings(options);
  const Settings play = ForThisRun(kept.settings, options);
  return MakeDesktopPlatform(play, std::move(kept), options.mute);
}

}  // namespace ridgeline
