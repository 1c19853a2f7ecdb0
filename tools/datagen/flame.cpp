#include "flame.h"

#include "shading.h"

namespace datagen {

void DrawFlames(Canvas& canvas, std::span<const Puff> puffs, int heat) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const int depth = ClusterDepth(puffs, x, y);
      if (depth < 0) continue;
      // Dither between neighbouring heat levels for soft bands.
      const int level =
          (depth * heat / 100 * 5 + (Dither(x, y, 8) ? kFullDepth / 2 : 0)) / kFullDepth;
      canvas.set(x, y, Ramp(Ink::Fire1, level));
    }
  }
}

}  // namespace datagen
