#include "run/frame_dump.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/run_time_error.h"

namespace ridgeline {

namespace {

// Room for a BMP file's headers and palette, besides its rows.
constexpr std::size_t kLargestBmpHeaders = 2048;

}  // namespace

void SaveFrameBmp(const SDL_Surface& frame, OutputFile& file) {
  auto fail = [&file](const std::string& why) {
    return RunTimeError("cannot save the frame to " + file.Name() + ": " + why);
  };
  // SDL only reads the surface it converts; its interface just lacks the const.
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rgb(
      SDL_ConvertSurfaceFormat(const_cast<SDL_Surface*>(&frame), SDL_PIXELFORMAT_RGB24, 0),
      SDL_FreeSurface);
  if (!rgb) throw fail(SDL_GetError());
  // Made in memory first, so that a failed write has the system's reason and
  // SDL's own file handling cannot hide it.
  std::vector<unsigned char> bytes(kLargestBmpHeaders +
                                   static_cast<std::size_t>(rgb->h) * ((rgb->w * 3 + 3) & ~3));
  SDL_RWops* memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!memory || SDL_SaveBMP_RW(rgb.get(), memory, 0) != 0) {
    if (memory) SDL_RWclose(memory);
    throw fail(SDL_GetError());
  }
  bytes.resize(static_cast<std::size_t>(SDL_RWtell(memory)));
  SDL_RWclose(memory);
  if (const auto why = file.WriteAll(bytes.data(), bytes.size())) throw fail(*why);
}

void FrameDumper::FrameShown(const SDL_Surface& frame, long pass) {
  // All marked first: a file that fails ends the run, and the others of
  // this pass were not missed for want of a frame.
  for (Dump& dump : dumps_) dump.reached = dump.reached || dump.pass == pass;
  for (Dump& dump : dumps_) {
    if (dump.pass == pass) SaveFrameBmp(frame, *dump.file);
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
