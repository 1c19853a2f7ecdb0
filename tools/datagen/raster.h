// Filled shapes drawn onto a canvas with whole-pixel maths.
#pragma once

#include <span>

#include "canvas.h"

namespace datagen {

// The point `length` pixels from `origin` at `angle` (fixed_math units,
// counter-clockwise from the +x axis, so positive angles point up the screen).
Point polar(Point origin, int length, int angle);

// `point` turned by `angle` about `centre` (counter-clockwise on the screen).
Point turn_about(Point centre, Point point, int angle);

// The point `t`/`den` of the way from a to b.
Point between(Point a, Point b, int t, int den);

void fill_rect(Canvas& canvas, int x, int y, int width, int height, Ink ink);
// Recolours only the pixels of the rectangle that are already drawn, e.g. a
// belt across a body.
void tint_rect(Canvas& canvas, int x, int y, int width, int height, Ink ink);

// Pixels whose centre offset (dx, dy) from (cx, cy) lies within the ellipse
// with half-axes rx and ry (a disc when they are equal).
void fill_ellipse(Canvas& canvas, int cx, int cy, int rx, int ry, Ink ink);
inline void fill_disc(Canvas& canvas, int cx, int cy, int r, Ink ink) {
  fill_ellipse(canvas, cx, cy, r, r, ink);
}

// A thick stroke from a to b with round ends: every pixel within `radius` of
// the segment. Limbs, bones and beams are drawn with it.
void fill_capsule(Canvas& canvas, Point a, Point b, int radius, Ink ink);

// Even-odd scanline fill of a closed polygon; a pixel is inside when its centre is.
void fill_polygon(Canvas& canvas, std::span<const Point> corners, Ink ink);

// One-pixel line (Bresenham).
void draw_line(Canvas& canvas, Point a, Point b, Ink ink);

}  // namespace datagen
