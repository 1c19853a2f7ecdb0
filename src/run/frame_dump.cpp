#include "run/frame_dump.h"

#include <cstdio>
#include <memory>

#include "common/run_time_error.h"
#include "media/png_file.h"

namespace ridgeline {

namespace {

void SavePng(const SDL_Surface& frame, const std::string& path) {
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> out(std::fopen(path.c_str(), "wb"),
                                                               std::fclose);
  if (!out) throw RunTimeError("cannot save the frame to " + path);
  try {
    WritePng(frame, out.get());
  } catch (const RunTimeError& failure) {
    throw RunTimeError("cannot save the frame to " + path + ": " + failure.what());
  }
}

void SaveBmp(const SDL_Surface& frame, const std::string& path) {
  // SDL only reads the surface it converts; its interface just lacks the const.
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rgb(
      SDL_ConvertSurfaceFormat(const_cast<SDL_Surface*>(&frame), SDL_PIXELFORMAT_RGB24, 0),
      SDL_FreeSurface);
  if (!rgb || SDL_SaveBMP(rgb.get(), path.c_str()) != 0) {
    throw RunTimeError("cannot save the frame to " + path + ": " + SDL_GetError());
  }
}

}  // namespace

void SaveFrame(const SDL_Surface& frame, const std::string& path) {
  const bool png = path.size() >= 4 && path.compare(path.size() - 4, 4, ".png") == 0;
  (png ? SavePng : SaveBmp)(frame, path);
}

FrameDumper::FrameDumper(const std::vector<std::pair<long, std::string>>& dumps) {
  for (const auto& [pass, file] : dumps) dumps_.push_back({pass, file});
}

void FrameDumper::FrameShown(const SDL_Surface& frame, long pass) {
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
