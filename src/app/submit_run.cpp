#include "app/submit_run.h"

#include <cstdio>
#include <filesystem>

#include "app/board_client.h"
#include "common/exit_status.h"
#include "common/warning.h"
#include "desktop/settings_file.h"
#include "replay/replay_run.h"
#include "replay/script_file.h"

namespace ridgeline {

int SubmitKeptGame(const Options& options) {
  std::string error;
  const auto file = KeptReplayFile(options.submit, error);
  const auto replay = file ? ReadScriptFile(*file, error) : std::nullopt;
  if (!replay) {
    Warn(error);
    return kFailureStatus;
  }
  const auto settingsFile = SettingsFile();
  std::string warning;
  // A file not there yet is made below, with the board and the name in it.
  std::error_code absent;
  Settings settings = settingsFile.empty() || !std::filesystem::exists(settingsFile, absent)
                          ? Settings{}
                          : LoadSettings(settingsFile, warning);
  if (!warning.empty()) Warn(warning);
  const Settings kept = settings;
  if (options.board) settings.board = *options.board;
  if (options.name) settings.playerName = *options.name;
  if (settings.board.empty() || settings.playerName.empty()) {
    Warn(std::string("no ") + (settings.board.empty() ? "board" : "name") +
         " to send the game with: give --board URL and --name NAME (kept in settings.ini)");
    return kUsageStatus;
  }
  if (!(settings == kept) && !settingsFile.empty() &&
      !SaveSettings(settingsFile, settings, error)) {
    Warn(error);
  }
  const BoardAnswer answer = SendToBoard(settings.board, settings.playerName, *replay);
  if (!answer.taken) {
    Warn(*file + ": " + answer.line);
    return kFailureStatus;
  }
  std::printf("%s\n", answer.line.c_str());
  return 0;
}

}  // namespace ridgeline
