#include "app/program_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include "app/data_folder.h"
#include "app/player_console.h"
#include "app/replay_check.h"
#include "app/stats.h"
#include "app/submit_run.h"
#include "common/app_path.h"
#include "common/exit_status.h"
#include "common/warning.h"
#include "media/directx/media.h"
#include "media/sdl/lost_display.h"
#include "replay/best_games.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

namespace ridgeline {

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

std::optional<int> ProgramRun::Start(const std::vector<std::string>& args,
                                     const PlatformMaker& makePlatform) {
  std::string error;
  options_ = ParseOptions(args, error);
  if (!options_) {
    Complain(error);
    return kUsageStatus;
  }
  if (options_->help) {
    std::fputs(Usage().c_str(), stdout);
    return AfterStandardOutput(0);
  }
  if (options_->version) {
    std::puts("ridgeline " RIDGELINE_VERSION);
    return AfterStandardOutput(0);
  }
  // Sending a kept game plays nothing: no data needed.
  if (!options_->submit.empty()) return AfterStandardOutput(SubmitKeptGame(*options_));
  const auto appPath = FindAppPath(error);
  if (!appPath) {
    Complain(error);
    return kFailureStatus;
  }
  SetAppPath(*appPath);
  if (options_->scores) {
    // A check interrupted stops the checking: the rest wait for the next time.
    bool interrupted = false;
    PrintBestScores([&interrupted](const std::string& file) -> std::optional<bool> {
      if (interrupted) return std::nullopt;
      const auto verified = VerifyInOwnRun(file);
      interrupted = !verified;
      return verified;
    });
    return AfterStandardOutput(0);
  }
  setup_ = RunSetup::Prepare(*options_, error);
  if (!setup_) {
    Complain(error);
    return options_->verify.empty() ? kUsageStatus : kNotVerifiedStatus;
  }

  SetDisplayLostHook([this] { WriteOut(kFailureStatus); });
  const auto ended = EndedIn([&] {
    SetPassLimit(options_->frames);
    Platform platform = makePlatform(*options_);
    if (options_->stats) TimeFramesShown(platform);
    setup_->Attach(platform);
    SetPlatform(std::move(platform));
  });
  if (ended) return Finish(*ended);
  return std::nullopt;
}

int ProgramRun::WriteOut(int status) {
  std::string error;
  if (setup_ && !setup_->Finish(error)) {
    // A check cut short says so, rather than that the file fails.
    if (status >= kFirstSignalStatus && !options_->verify.empty()) {
      error = options_->verify + ": interrupted before its game over; not verified";
    }
    Complain(error);
    if (status == 0) status = kFailureStatus;
  }
  if (options_ && options_->stats) PrintStats();
  return AfterStandardOutput(status);
}

int ProgramRun::Finish(int status) {
  status = WriteOut(status);
  SetDisplayLostHook(nullptr);
  ReleaseMedia();
  return status;
}

std::optional<int> EndedIn(const std::function<void()>& step) {
  try {
    step();
  } catch (const ProgramExit& exit) {
    return exit.status;
  } catch (const std::exception& failure) {
    Complain(failure.what());
    return kFailureStatus;
  }
  return std::nullopt;
}

}  // namespace ridgeline
