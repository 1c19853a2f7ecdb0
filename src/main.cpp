#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "media/media.h"
#include "media/platform.h"
#include "run/best_games.h"
#include "run/options.h"
#include "run/platform_choice.h"
#include "run/run_setup.h"
#include "run/stats.h"
#include "shell/form1.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

using namespace ridgeline;

namespace {

// Bad usage, found before anything runs.
constexpr int kUsageStatus = 2;
// A replay to verify that is not one, or does not end as it says.
constexpr int kNotVerifiedStatus = 1;

void Complain(const std::string& message) {
  std::fprintf(stderr, "ridgeline: %s\n", message.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    Complain(error);
    return kUsageStatus;
  }
  if (options->help) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("ridgeline " RIDGELINE_VERSION);
    return 0;
  }
  if (options->scores) {
    PrintBestScores();
    return 0;
  }
  const auto run = RunSetup::Prepare(*options, error);
  if (!run) {
    Complain(error);
    return options->verify.empty() ? kUsageStatus : kNotVerifiedStatus;
  }

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
    status = 1;
  }
  if (!run->Finish(error)) {
    Complain(error);
    if (status == 0) status = 1;
  }
  if (options->stats) PrintStats();
  ReleaseMedia();
  return status;
}
