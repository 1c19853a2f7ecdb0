#include "app/platform_choice.h"

#include <string>

#include "app/submit_run.h"
#include "app/watch_next.h"
#include "common/warning.h"
#include "desktop/desktop_platform.h"
#include "desktop/settings_file.h"
#include "media/headless/headless_platform.h"
#include "replay/best_folder.h"

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

std::vector<std::pair<std::string, std::string>> MenuBestGames() {
  std::vector<std::pair<std::string, std::string>> lines;
  const BestTable table = LoadBest(BestFolder()).table;
  for (const BestGame& game : table.Games()) {
    // "YYYY-MM-DD HH:MM", without the seconds.
    lines.emplace_back(
        std::to_string(lines.size() + 1) + ".   " + std::to_string(game.header.score),
        game.header.date.substr(0, 16));
  }
  return lines;
}

Platform MakePlatform(const Options& options) {
  Platform platform;
  if (options.headless) {
    platform = MakeHeadlessPlatform().platform;
  } else {
    KeptSettings kept = PlayersSettings(options);
    const Settings play = ForThisRun(kept.settings, options);
    // Play at the window has the pause menu; a script or a game watched
    // takes Escape and clicks as it always has.
    MenuSources sources;
    sources.menu = options.input.empty() && options.watch.empty();
    sources.bestGames = MenuBestGames;
    sources.watch = ChooseToWatch;
    sources.submit = [](int rank) {
      return SendKeptGame(std::to_string(rank), std::nullopt, std::nullopt).answer.line;
    };
    // Muted in the settings, the game opens no sound device either.
    platform = MakeDesktopPlatform(play, std::move(kept), options.mute || play.muted, sources);
  }
  return platform;
}

}  // namespace ridgeline
