// Filled shapes drawn onto a canvas with whole-pixel maths.
#pragma once

#include <span>

#include "canvas.h"

namespace datagen {

// The point `length` pixels from `origin` at `angle` (fixed_math units,
// counter-clockwise from the +x axis, so positive angles point up the screen).
Point Polar(Point origin, int length, int angle);

// `point` turned by `angle` about `centre` (counter-clockwise on the screen).
Point TurnAbout(Point centre, Point point, int angle);

// The point `t`/`den` of the way from a to b.
Point Between(Point a, Point b, int t, int den);

void FillRect(Canvas& canvas, int x, int y, int width, int height, Ink ink);
// Recolours only the pixels of the rectangle that are already drawn, e.g. a
// belt across a body.
void TintRect(Canvas& canvas, int x, int y, int width, int height, Ink ink);

// Pixels whose centre offset (dx, dy) from (cx, cy) lies within the ellipse
// with half-axes rx and ry (a disc when they are equal).
void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, Ink ink);
inline void FillDisc(Canvas& canvas, int cx, int cy, int r, Ink ink) {
  FillEllipse(canvas, cx, cy, r, r, ink);
}

// A thick stroke from a to b with round ends: every pixel within `radius` of
// the segment. Limbs, bones and beams are drawn with it.
void FillCapsule(Canvas& canvas, Point a, Point b, int radius, Ink ink);

// Even-odd scanline fill of a closed polygon; a pixel is inside when its centre is.
void FillPolygon(Canvas& canvas, std::span<const Point> corners, Ink ink);

// One-pixel line (Bresenham).
void DrawLine(Canvas& canvas, Point a, Point b, Ink ink);

}  // namespace datagen
