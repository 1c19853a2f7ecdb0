#include "raster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fixed_math.h"

namespace datagen {

namespace {

// Division rounded to the nearest whole number, halves away from zero.
int DivideRounded(std::int64_t num, std::int64_t den) {
  return static_cast<int>(num >= 0 ? (num + den / 2) / den : (num - den / 2) / den);
}

}  // namespace

Point Polar(Point origin, int length, int angle) {
  return {origin.x + DivideRounded(std::int64_t{length} * Cos(angle), kOne),
          origin.y - DivideRounded(std::int64_t{length} * Sin(angle), kOne)};
}

Point TurnAbout(Point centre, Point point, int angle) {
  const std::int64_t x = point.x - centre.x;
  const std::int64_t y = point.y - centre.y;
  const std::int64_t c = Cos(angle);
  const std::int64_t s = Sin(angle);
  return {centre.x + DivideRounded(x * c + y * s, kOne),
          centre.y + DivideRounded(y * c - x * s, kOne)};
}

Point Between(Point a, Point b, int t, int den) {
  return {a.x + DivideRounded(std::int64_t{b.x - a.x} * t, den),
          a.y + DivideRounded(std::int64_t{b.y - a.y} * t, den)};
}

void FillRect(Canvas& canvas, int x, int y, int width, int height, Ink ink) {
  for (int py = y; py < y + height; ++py) {
    for (int px = x; px < x + width; ++px) canvas.set(px, py, ink);
  }
}

void TintRect(Canvas& canvas, int x, int y, int width, int height, Ink ink) {
  for (int py = y; py < y + height; ++py) {
    for (int px = x; px < x + width; ++px) {
      if (canvas.at(px, py) != Ink::Clear) canvas.set(px, py, ink);
    }
  }
}

void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, Ink ink) {
  // The extra half pixel on each axis rounds the rim the way pixel artists draw it.
  const std::int64_t ax = 2 * rx + 1;
  const std::int64_t ay = 2 * ry + 1;
  for (int dy = -ry; dy <= ry; ++dy) {
    for (int dx = -rx; dx <= rx; ++dx) {
      const std::int64_t ex = 2 * dx * ay;
      const std::int64_t ey = 2 * dy * ax;
      if (ex * ex + ey * ey <= ax * ax * ay * ay) canvas.set(cx + dx, cy + dy, ink);
    }
  }
}

void FillCapsule(Canvas& canvas, Point a, Point b, int radius, Ink ink) {
  const std::int64_t vx = b.x - a.x;
  const std::int64_t vy = b.y - a.y;
  const std::int64_t length2 = vx * vx + vy * vy;
  const std::int64_t limit = radius * radius + radius;
  for (int y = std::min(a.y, b.y) - radius; y <= std::max(a.y, b.y) + radius; ++y) {
    for (int x = std::min(a.x, b.x) - radius; x <= std::max(a.x, b.x) + radius; ++x) {
      const std::int64_t px = x - a.x;
      const std::int64_t py = y - a.y;
      const std::int64_t along = px * vx + py * vy;
      bool inside;
      if (along <= 0 || length2 == 0) {
        inside = px * px + py * py <= limit;
      } else if (along >= length2) {
        const std::int64_t qx = x - b.x;
        const std::int64_t qy = y - b.y;
        inside = qx * qx + qy * qy <= limit;
      } else {
        // Squared distance to the line, times length2, compared without dividing.
        inside = (px * px + py * py) * length2 - along * along <= limit * length2;
      }
      if (inside) canvas.set(x, y, ink);
    }
  }
}

void FillPolygon(Canvas& canvas, std::span<const Point> corners, Ink ink) {
  if (corners.size() < 3) return;
  const auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                               [](Point p, Point q) { return p.y < q.y; });
  std::vector<int> crossings;
  for (int y = low->y; y <= high->y; ++y) {
    // Work in doubled coordinates so that pixel centres (y + 0.5) stay whole.
    const std::int64_t cy = 2 * y + 1;
    crossings.clear();
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point p = corners[i];
      const Point q = corners[(i + 1) % corners.size()];
      const std::int64_t py = 2 * p.y;
      const std::int64_t qy = 2 * q.y;
      if ((py <= cy) == (qy <= cy)) continue;
      // Doubled x of the crossing, rounded down.
      const std::int64_t num = 2 * p.x * (qy - py) + (cy - py) * 2 * (q.x - p.x);
      const std::int64_t den = qy - py;
      std::int64_t cx = num / den;
      if ((num % den != 0) && ((num < 0) != (den < 0))) --cx;
      crossings.push_back(static_cast<int>(cx));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel x is inside when its doubled centre 2x + 1 lies between the crossings.
      for (int x = crossings[i] >> 1; 2 * x + 1 <= crossings[i + 1]; ++x) {
        if (2 * x + 1 >= crossings[i]) canvas.set(x, y, ink);
      }
    }
  }
}

void DrawLine(Canvas& canvas, Point a, Point b, Ink ink) {
  const int dx = std::abs(b.x - a.x);
  const int dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1;
  const int sy = a.y < b.y ? 1 : -1;
  int error = dx + dy;
  for (Point p = a;;) {
    canvas.set(p.x, p.y, ink);
    if (p.x == b.x && p.y == b.y) break;
    const int e2 = 2 * error;
    if (e2 >= dy) {
      error += dy;
      p.x += sx;
    }
    if (e2 <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

}  // namespace datagen
