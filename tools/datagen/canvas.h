// A picture made of palette inks, the working surface of every drawing.
#pragma once

#include <vector>

#include "palette.h"

namespace datagen {

struct Point {
  int x, y;
};

class Canvas {
 public:
  Canvas(int width, int height, Ink fill = Ink::Clear);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reads outside the canvas give Ink::Clear; writes outside are dropped, so
  // shapes may hang over the edges.
  Ink at(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : Ink::Clear; }
  void set(int x, int y, Ink ink) {
    if (contains(x, y)) pixels_[index(x, y)] = ink;
  }

  // Copies every non-clear pixel of `layer` with its top-left corner at (x, y).
  void Paste(const Canvas& layer, int x = 0, int y = 0);
  // The same, but what hangs over the left or right edge comes back in on the
  // other side, for pictures that repeat horizontally.
  void PasteWrapped(const Canvas& layer, int x, int y);

 private:
  int index(int x, int y) const { return y * width_ + x; }

  int width_;
  int height_;
  std::vector<Ink> pixels_;
};

}  // namespace datagen
