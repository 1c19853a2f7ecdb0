#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "replay/script.h"
#include "shell/input_source.h"

namespace ridgeline {

// Passes on the events of another source and writes each one to `file` as a
// script line at the point where the game takes it. The script starts with
// the run's seed, so that replaying it gives the same run.
class Recorder : public InputSource {
 public:
  Recorder(InputSource& from, std::FILE* file, std::uint64_t seed);
  bool Next(EventPoint at, WindowEvent& event) override;

 private:
  InputSource& from_;
  std::FILE* file_;
};

// The same recording kept in memory, for the games of a run that may be kept.
class MemoryRecorder : public InputSource {
 public:
  MemoryRecorder(InputSource& from, std::uint64_t seed);
  bool Next(EventPoint at, WindowEvent& event) override;

  // The script so far, one line per event taken, each line ending in a newline.
  const std::string& Script() const { return script_; }

 private:
  InputSource& from_;
  std::string script_;
};

}  // namespace ridgeline
