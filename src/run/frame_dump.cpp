#include "run/frame_dump.h"

#include <cstdio>
#include <memory>

#include "common/run_time_error.h"
#include "media/png_file.h"

namespace ridgeline {

namespace {

void SaveFramePng(const FrameView& frame, const std::string& path) {
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> out(std::fopen(path.c_str(), "wb"),
                                                               std::fclose);
  if (!out) throw RunTimeError("cannot save the frame to " + path);
  try {
    WritePng(frame, out.get());
  } catch (const RunTimeError& failure) {
    throw RunTimeError("cannot save the frame to " + path + ": " + failure.what());
  }
}

// Saves `frame` as a PNG file where `path` ends in .png, as a 24-bit BMP file
// otherwise; throws RunTimeError when it cannot.
void SaveFrame(const FrameView& frame, const std::string& path) {
  const bool png = path.size() >= 4 && path.compare(path.size() - 4, 4, ".png") == 0;
  (png ? SaveFramePng : SaveFrameBmp)(frame, path);
}

}  // namespace

FrameDumper::FrameDumper(const std::vector<std::pair<long, std::string>>& dumps) {
  for (const auto& [pass, file] : dumps) dumps_.push_back({pass, file});
}

void FrameDumper::FrameShown(const FrameView& frame, long pass) {
  for (Dump& dump : dumps_) {
    if (dump.pass != pass) continue;
    SaveFrame(frame, dump.file);
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
