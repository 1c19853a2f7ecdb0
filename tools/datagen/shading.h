// Pixel-art finishing: ordered dithering, edge shading and outlines.
#pragma once

#include "canvas.h"

namespace datagen {

// Ordered 4x4 Bayer dithering: true for `level` of every 16 pixels, spread
// evenly, so that a level of 0 gives none and 16 gives all.
bool Dither(int x, int y, int level);

// Direction the light comes from: pixels facing it are lightened, pixels on
// the opposite side darkened.
struct Lighting {
  Point toward_shadow;  // unit step away from the light, e.g. {1, 1}
  int shadow_depth;     // how many pixels in from the shadowed edge get darker
};
constexpr Lighting kTopLeftLight{{1, 1}, 2};

// Shades every non-clear pixel of a flat-coloured part by its distance to the
// part's edge in the light's direction.
void Shade(Canvas& part, Lighting light);

// Rings the figure with `ink` on every clear pixel next to it (4-neighbours).
void AddOutline(Canvas& part, Ink ink);

// Shades and outlines a part and lays it over `target`: later parts cover
// earlier ones and keep their own outline, which separates overlapping limbs.
void Lay(Canvas& target, Canvas part, Lighting light = kTopLeftLight);

}  // namespace datagen
