#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

// Saves `frame` as a 24-bit BMP file; throws RunTimeError when it cannot.
void SaveFrameBmp(const SDL_Surface& frame, const std::string& path);

// Saves the frames shown in chosen passes, each to its own file.
class FrameDumper {
 public:
  explicit FrameDumper(std::vector<std::pair<long, std::string>> dumps)
      : dumps_(std::move(dumps)) {}
  void FrameShown(const SDL_Surface& frame, long pass) const;

 private:
  std::vector<std::pair<long, std::string>> dumps_;  // (pass, file)
};
