#include "replay/frame_dump.h"

#include <algorithm>

#include "common/run_time_error.h"
#include "media/files/png_file.h"

namespace ridgeline {

namespace {

void SaveFramePng(const FrameView& frame, OutputFile& file) {
  try {
    WritePng(frame, file.Stream());
  } catch (const RunTimeError& failure) {
    throw RunTimeError("cannot save the frame to " + file.Name() + ": " + failure.what());
  }
}

// Saves `frame` as a PNG file where the file's name ends in .png, as a 24-bit
// BMP file otherwise.
void SaveFrame(const FrameView& frame, OutputFile& file) {
  const bool png = file.Name().ends_with(".png");
  (png ? SaveFramePng : SaveFrameBmp)(frame, file);
}

}  // namespace

void SaveFrameBmp(const FrameView& frame, OutputFile& file) {
  auto fail = [&file](const std::string& why) {
    return RunTimeError("cannot save the frame to " + file.Name() + ": " + why);
  };
  std::vector<unsigned char> bytes;
  try {
    bytes = EncodeFrameBmp(frame);
  } catch (const RunTimeError& failure) {
    throw fail(failure.what());
  }
  if (const auto why = file.WriteAll(bytes.data(), bytes.size())) throw fail(*why);
}

void FrameDumper::FrameShown(const FrameView& frame, long pass) {
  // All marked first: a file that fails ends the run, and the others of
  // this pass were not missed for want of a frame.
  for (Dump& dump : dumps_) dump.reached = dump.reached || dump.pass == pass;
  for (Dump& dump : dumps_) {
    if (dump.pass == pass) SaveFrame(frame, *dump.file);
  }
}

std::string FrameDumper::Missing() const {
  for (const Dump& dump : dumps_) {
    if (!dump.reached) return dump.file->Name();
  }
  return {};
}

bool FrameDumper::Reached(const OutputFile& file) const {
  return std::any_of(dumps_.begin(), dumps_.end(),
                     [&file](const Dump& dump) { return dump.file == &file && dump.reached; });
}

}  // namespace ridgeline
