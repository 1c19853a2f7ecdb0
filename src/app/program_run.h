#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/run_setup.h"
#include "media/platform/platform.h"

namespace ridgeline {

// The program from its command line to a game ready to start, and from the
// game's end to the exit status, in the same steps wherever it runs: at a
// desktop, under Node and in a web page, which differ only in the platform
// they make and in who owns the loop.
class ProgramRun {
 public:
  using PlatformMaker = std::function<Platform(const Options&)>;

  ProgramRun() = default;
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Reads the command line; answers --help, --version and --scores; finds the
  // game's data before any output file is opened, so that a game without its
  // data writes nothing; prepares the run; sets the pass limit before the
  // run's hooks, which may set one of their own (--verify); and makes the
  // platform with `makePlatform`, hooks the run into it and sets it. Gives
  // nothing when the game is ready to start. Otherwise the program is over,
  // its failure said on one line, and gives the exit status.
  std::optional<int> Start(const std::vector<std::string>& args, const PlatformMaker& makePlatform);

  // Puts the run's files in place, prints --stats and releases the media.
  // Gives the exit status: `status`, or a failure when a file or standard
  // output could not be written.
  int Finish(int status);

  // The first pass that is shown (RunSetup::FirstShownPass).
  long FirstShownPass() const { return setup_->FirstShownPass(); }

 private:
  // Finish without releasing the media: all that can be done once the
  // display is lost, where releasing it would wait for ever.
  int WriteOut(int status);

  std::optional<Options> options_;
  std::unique_ptr<RunSetup> setup_;
};

// Runs one step of the game (its start, a pass, the whole of it). Gives
// nothing when the step returns; when the program ends in it, the exit
// status: ShutDown's, or a failure, said on one line, for anything else
// thrown (ShutDown's own clean-up failing, after the game's error trap).
std::optional<int> EndedIn(const std::function<void()>& step);

}  // namespace ridgeline
