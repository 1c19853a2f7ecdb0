#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "app/data_folder.h"
#include "app/options.h"
#include "app/platform_choice.h"
#include "app/player_console.h"
#include "app/run_setup.h"
#include "app/stats.h"
#include "app/stop_signals.h"
#include "common/app_path.h"
#include "common/exit_status.h"
#include "common/warning.h"
#include "media/directx/media.h"
#include "media/platform/platform.h"
#include "media/sdl/lost_display.h"
#include "replay/best_games.h"
#include "app/submit_run.h"
#include "shell/form1.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

using namespace ridgeline;

namespace {

// A replay to verify that is not one, or does not end as it says.
constexpr int kNotVerifiedStatus = 1;

void Complain(const std::string& message) {
  Warn(message);
  ShowFailure("ridgeline: " + message);
}

// `status`, unless what was printed on standard output could not be written
// (a full disk, a closed pipe): then a failure, said on standard error.
int AfterStandardOutput(int status) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
  Complain(std::string("cannot write to standard output (") + std::strerror(errno) + ")");
  return status == 0 ? kFailureStatus : status;
}

}  // namespace

int main(int argc, char** argv) {
  ReachParentConsole();
  StopRunOnSignals();
  // SDL's own handlers would turn the same signals into a window closed by
  // the player, and so into success.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    Complain(error);
    return kUsageStatus;
  }
  if (options->help) {
    std::fputs(Usage().c_str(), stdout);
    return AfterStandardOutput(0);
  }
  if (options->version) {
    std::puts("ridgeline " RIDGELINE_VERSION);
    return AfterStandardOutput(0);
  }
  // Sending a kept game plays nothing: no data needed.
  if (!options->submit.empty()) return AfterStandardOutput(SubmitKeptGame(*options));
  // Before any output file is opened: a game without its data writes nothing.
  if (const auto appPath = FindAppPath(error)) {
    SetAppPath(*appPath);
  } else {
    Complain(error);
    return kFailureStatus;
  }
  if (options->scores) {
    PrintBestScores();
    return AfterStandardOutput(0);
  }
  const auto run = RunSetup::Prepare(*options, error);
  if (!run) {
    Complain(error);
    return options->verify.empty() ? kUsageStatus : kNotVerifiedStatus;
  }

  // The files in place and the report printed, however the run ended.
  const auto finish = [&](int status) {
    if (!run->Finish(error)) {
      Complain(error);
      if (status == 0) status = kFailureStatus;
    }
    if (options->stats) PrintStats();
    return AfterStandardOutput(status);
  };
  SetDisplayLostHook([&] { finish(kFailureStatus); });

  int status = 0;
  try {
    // Before the run's hooks, which may set a limit of their own.
    SetPassLimit(options->frames);
    Platform platform = MakePlatform(*options);
    run->Attach(platform);
    SetPlatform(std::move(platform));
    Form1.Form_Load();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  } catch (const std::exception& failure) {
    // A failure while shutting down, after the error trap has already run.
    Complain(failure.what());
    status = kFailureStatus;
  }
  status = finish(status);
  SetDisplayLostHook(nullptr);
  ReleaseMedia();
  return status;
}
