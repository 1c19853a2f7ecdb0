#include "shading.h"

#include <array>

namespace datagen {

bool Dither(int x, int y, int level) {
  static constexpr std::array<std::array<int, 4>, 4> kBayer{{
      {0, 8, 2, 10},
      {12, 4, 14, 6},
      {3, 11, 1, 9},
      {15, 7, 13, 5},
  }};
  return kBayer[y & 3][x & 3] < level;
}

void Shade(Canvas& part, Lighting light) {
  const Canvas flat = part;
  const Point s = light.toward_shadow;
  for (int y = 0; y < flat.height(); ++y) {
    for (int x = 0; x < flat.width(); ++x) {
      const Ink ink = flat.at(x, y);
      if (ink == Ink::Clear || ink == Ink::Outline) continue;
      if (flat.at(x - s.x, y - s.y) == Ink::Clear) {
        part.set(x, y, Lighter(ink));
        continue;
      }
      for (int k = 1; k <= light.shadow_depth; ++k) {
        if (flat.at(x + k * s.x, y + k * s.y) == Ink::Clear) {
          part.set(x, y, Darker(ink));
          break;
        }
      }
    }
  }
}

void AddOutline(Canvas& part, Ink ink) {
  const Canvas figure = part;
  for (int y = 0; y < figure.height(); ++y) {
    for (int x = 0; x < figure.width(); ++x) {
      if (figure.at(x, y) != Ink::Clear) continue;
      if (figure.at(x - 1, y) != Ink::Clear || figure.at(x + 1, y) != Ink::Clear ||
          figure.at(x, y - 1) != Ink::Clear || figure.at(x, y + 1) != Ink::Clear) {
        part.set(x, y, ink);
      }
    }
  }
}

void Lay(Canvas& target, Canvas part, Lighting light) {
  Shade(part, light);
  AddOutline(part, Ink::Outline);
  target.Paste(part);
}

}  // namespace datagen
