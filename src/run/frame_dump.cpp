#include "run/frame_dump.h"

namespace ridgeline {

FrameDumper::FrameDumper(const std::vector<std::pair<long, std::string>>& dumps) {
  for (const auto& [pass, file] : dumps) dumps_.push_back({pass, file});
}

void FrameDumper::FrameShown(const FrameView& frame, long pass) {
  for (Dump& dump : dumps_) {
    if (dump.pass != pass) continue;
    SaveFrameBmp(frame, dump.file);
    dump.saved = true;
  }
}

std::string FrameDumper::Missing() const {
  for (const Dump& dump : dumps_) {
    if (!dump.saved) return dump.file;
  }
  return {};
}

}  // namespace ridgeline
