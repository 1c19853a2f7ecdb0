#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/options.h"

namespace ridgeline {

struct Platform;

// What the command line adds to a run of the game, so that runs can be
// repeated and examined: the seed that fixes the clock, input from a script,
// a recording of the input, a trace of the state after every pass and saved
// frames. The game's rules know nothing of it; it hooks into the event
// processing, the frame loop and the platform's shown frames.
class RunSetup {
 public:
  // Reads and checks the script, checks that no output overwrites an input,
  // the game's data or another output, and opens the files to write under
  // temporary names, before anything runs. On failure returns nothing and
  // sets `error` to one line naming the file (and the line of a script).
  static std::unique_ptr<RunSetup> Prepare(const Options& options, std::string& error);
  ~RunSetup();
  RunSetup(const RunSetup&) = delete;
  RunSetup& operator=(const RunSetup&) = delete;

  // Fixes the clock, starts the generator afresh and hooks the input,
  // recording, trace and frame saving into the game and into `platform`.
  void Attach(Platform& platform);
  // Unhooks and closes the files. Once a pass has run, each file written in
  // full is put in place, whatever ended the run; a run that ended before
  // its first pass (start-up failed) leaves every file as it was. Returns
  // false, with `error` set, when a file could not be written in full or put
  // in place, or a frame to save was never shown.
  bool Finish(std::string& error);
  // The first pass that is shown: later than the first when a kept game is
  // watched, whose passes before it run unseen, as fast as they can.
  long FirstShownPass() const;

 private:
  struct Parts;

  RunSetup();
  void Detach();

  // The seed in force: --seed, else the script's, else a random one when
  // recording or playing at the window; none leaves the clock running.
  std::optional<std::uint64_t> seed_;
  bool passEnded_ = false;
  std::unique_ptr<Parts> parts_;
};

}  // namespace ridgeline
