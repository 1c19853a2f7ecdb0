#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "media/app_path.h"
#include "media/media.h"
#include "media/platform.h"
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
// The game could not start or went wrong while running.
constexpr int kFailureStatus = 1;

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
  // Before any output file is opened: a game without its data writes nothing.
  if (const auto appPath = FindAppPath(error)) {
    SetAppPath(*appPath);
  } else {
    Complain(error);
    return kFailureStatus;
  }
  const auto run = RunSetup::Prepare(*options, error);
  if (!run) {
    Complain(error);
    return kUsageStatus;
  }

  int status = 0;
  try {
    Platform platform = MakePlatform(*options);
    run->Attach(platform);
    SetPlatform(std::move(platform));
    SetPassLimit(options->frames);
    Form1.Form_Load();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  } catch (const std::exception& failure) {
    // A failure while shutting down, after the error trap has already run.
    Complain(failure.what());
    status = kFailureStatus;
  }
  if (!run->Finish(error)) {
    Complain(error);
    if (status == 0) status = kFailureStatus;
  }
  if (options->stats) PrintStats();
  ReleaseMedia();
  return status;
}
