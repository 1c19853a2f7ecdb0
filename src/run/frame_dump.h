#pragma once

#include <string>
#include <utility>
#include <vector>

#include "media/frame_view.h"

namespace ridgeline {

// Saves the frames shown in chosen passes, each to its own file.
class FrameDumper {
 public:
  explicit FrameDumper(const std::vector<std::pair<long, std::string>>& dumps);
  void FrameShown(const FrameView& frame, long pass);

  // The first file not written because its pass showed no frame (the run
  // ended before it, or a restart cut it short); empty when all were.
  std::string Missing() const;

 private:
  struct Dump {
    long pass;
    std::string file;
    bool saved = false;
  };
  std::vector<Dump> dumps_;
};

}  // namespace ridgeline
