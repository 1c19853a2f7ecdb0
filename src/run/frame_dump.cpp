#include "run/frame_dump.h"

#include <memory>

#include "common/run_time_error.h"

namespace ridgeline {

void SaveFrameBmp(const SDL_Surface& frame, const std::string& path) {
  // SDL only reads the surface it converts; its interface just lacks the const.
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rgb(
      SDL_ConvertSurfaceFormat(const_cast<SDL_Surface*>(&frame), SDL_PIXELFORMAT_RGB24, 0),
      SDL_FreeSurface);
  if (!rgb || SDL_SaveBMP(rgb.get(), path.c_str()) != 0) {
    throw RunTimeError("cannot save the frame to " + path + ": " + SDL_GetError());
  }
}

FrameDumper::FrameDumper(const std::vector<std::pair<long, std::string>>& dumps) {
  for (const auto& [pass, file] : dumps) dumps_.push_back({pass, file});
}

void FrameDumper::FrameShown(const SDL_Surface& frame, long pass) {
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
