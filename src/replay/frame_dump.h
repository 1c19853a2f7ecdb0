#pragma once

#include <string>
#include <vector>

#include "media/directx/frame_view.h"
#include "replay/output_files.h"

namespace ridgeline {

// Writes `frame` to `file` as a 24-bit BMP file; throws RunTimeError, with the
// system's reason, when it cannot, having discarded the file.
void SaveFrameBmp(const FrameView& frame, OutputFile& file);

// Saves the frames shown in chosen passes, each to its own file.
class FrameDumper {
 public:
  struct Dump {
    long pass;
    OutputFile* file;  // kept by the caller while the dumper is in use
    bool reached = false;
  };

  explicit FrameDumper(std::vector<Dump> dumps) : dumps_(std::move(dumps)) {}
  void FrameShown(const FrameView& frame, long pass);

  // The first file not written because its pass showed no frame (the run
  // ended before it, or a restart cut it short); empty when all were.
  std::string Missing() const;
  // Whether the frame for `file` was shown.
  bool Reached(const OutputFile& file) const;

 private:
  std::vector<Dump> dumps_;
};

}  // namespace ridgeline
