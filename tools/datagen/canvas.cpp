#include "canvas.h"

#include "fixed_math.h"

namespace datagen {

Canvas::Canvas(int width, int height, Ink fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Canvas::Paste(const Canvas& layer, int x, int y) {
  for (int ly = 0; ly < layer.height(); ++ly) {
    for (int lx = 0; lx < layer.width(); ++lx) {
      const Ink ink = layer.at(lx, ly);
      if (ink != Ink::Clear) set(x + lx, y + ly, ink);
    }
  }
}

void Canvas::PasteWrapped(const Canvas& layer, int x, int y) {
  for (int ly = 0; ly < layer.height(); ++ly) {
    for (int lx = 0; lx < layer.width(); ++lx) {
      const Ink ink = layer.at(lx, ly);
      if (ink != Ink::Clear) set(Wrap(x + lx, width_), y + ly, ink);
    }
  }
}

}  // namespace datagen
