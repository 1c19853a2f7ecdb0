#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "run/options.h"

namespace ridgeline {

struct Platform;

// What the command line adds to a run of the game, so that runs can be
// repeated and examined: the seed that fixes the clock, input from a script,
// a recording of the input, a trace of the state after every pass and saved
// frames. The game's rules know nothing of it; it hooks into the event
// processing, the frame loop and the platform's shown frames.
class RunSetup {
 public:
  // Reads and checks the script and opens the files to write, before
  // anything runs. On failure returns nothing and sets `error` to one line
  // naming the file (and the line of a script).
  static std::unique_ptr<RunSetup> Prepare(const Options& options, std::string& error);
  ~RunSetup();
  RunSetup(const RunSetup&) = delete;
  RunSetup& operator=(const RunSetup&) = delete;

  // Fixes the clock, starts the generator afresh and hooks the input,
  // recording, trace and frame saving into the game and into `platform`.
  void Attach(Platform& platform);
  // Unhooks and closes the files. Returns false, with `error` set, when a
  // file could not be written in full, or a frame to save was never shown.
  bool Finish(std::string& error);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using File = std::unique_ptr<std::FILE, FileCloser>;
  struct Parts;

  RunSetup();
  void Detach();

  // The seed in force: --seed, else the script's, else a random one when
  // recording or playing at the window; none leaves the clock running.
  std::optional<std::uint64_t> seed_;
  std::string traceName_;
  std::string recordName_;
  File trace_;
  File record_;
  std::unique_ptr<Parts> parts_;
};

}  // namespace ridgeline
