// A true-colour picture, the form in which pictures are written to files.
#pragma once

#include <vector>

#include "canvas.h"
#include "palette.h"

namespace datagen {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // rows from the top, left to right

  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  void set(int x, int y, Rgb colour) { pixels[static_cast<std::size_t>(y * width + x)] = colour; }
};

Image ToImage(const Canvas& canvas);

}  // namespace datagen
