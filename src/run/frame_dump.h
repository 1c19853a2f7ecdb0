#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

namespace ridgeline {

// Saves `frame` as a PNG file where `path` ends in .png, as a 24-bit BMP file
// otherwise; throws RunTimeError when it cannot.
void SaveFrame(const SDL_Surface& frame, const std::string& path);

// Saves the frames shown in chosen passes, each to its own file.
class FrameDumper {
 public:
  explicit FrameDumper(const std::vector<std::pair<long, std::string>>& dumps);
  void FrameShown(const SDL_Surface& frame, long pass);

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
