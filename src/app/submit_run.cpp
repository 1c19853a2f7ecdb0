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

SentGame SendKeptGame(const std::string& fileOrRank, const std::optional<std::string>& board,
                      const std::optional<std::string>& name) {
  std::string error;
  const auto file = KeptReplayFile(fileOrRank, error);
  const auto replay = file ? ReadScriptFile(*file, error) : std::nullopt;
  if (!replay) return {{false, error}, kFailureStatus};
  const auto settingsFile = SettingsFile();
  std::string warning;
  // A file not there yet is made below, with the board and the name in it.
  std::error_code absent;
  Settings settings = settingsFile.empty() || !std::filesystem::exists(settingsFile, absent)
                          ? Settings{}
                          : LoadSettings(settingsFile, warning);
  if (!warning.empty()) Warn(warning);
  const Settings kept = settings;
  if (board) settings.board = *board;
  if (name) settings.playerName = *name;
  if (settings.board.empty() || settings.playerName.empty()) {
    return {{false, std::string("no ") + (settings.board.empty() ? "board" : "name") +
                        " to send the game with: give --board URL and --name NAME (kept in "
                        "settings.ini)"},
            kUsageStatus};
  }
  if (!(settings == kept) && !settingsFile.empty() &&
      !SaveSettings(settingsFile, settings, error)) {
    Warn(error);
  }
  BoardAnswer answer = SendToBoard(settings.board, settings.playerName, *replay);
  if (answer.taken) return {answer, 0};
  answer.line = *file + ": " + answer.line;
  return {answer, kFailureStatus};
}

int SubmitKeptGame(const Options& options) {
  const SentGame sent = SendKeptGame(options.submit, options.board, options.name);
  if (sent.status != 0) {
    Warn(sent.answer.line);
    return sent.status;
  }
  std::printf("%s\n", sent.answer.line.c_str());
  return 0;
}

}  // namespace ridgeline
