#pragma once

#include <cstdio>
#include <string>

namespace ridgeline {

struct GameVariables;

// What the trace shows of a pass besides the game variables.
struct PassSound {
  bool music = false;        // the music buffer is playing at the end of the pass
  long explosionStarts = 0;  // Plays of the explosion buffer that started it from silence
};

// Appends the state at the end of pass `pass` as one JSON object and a
// newline. Whole numbers print as integers, reals as the shortest decimal that
// reads back to the same value: in single precision for an enemy's x, a and b,
// in double precision for the rest.
void AppendTraceLine(std::string& out, long pass, const GameVariables& game, PassSound sound);

// Writes a trace line to `file` at the end of every pass, from the game
// variables and the sound buffers.
class TraceWriter {
 public:
  explicit TraceWriter(std::FILE* file) : file_(file) {}
  void PassEnded(long pass);

 private:
  std::FILE* file_;
  std::string line_;  // reused, so that a pass allocates nothing
  long explosionStartsBefore_ = 0;
};

}  // namespace ridgeline
