#include "icon.h"

#include <algorithm>
#include <map>

#include "sprites.h"

namespace datagen {
namespace {

struct Box {
  int x, y, width, height;
};

Box FigureBox(const Canvas& picture) {
  int left = picture.width(), top = picture.height(), right = -1, bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.at(x, y) == Ink::Clear) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// The ink an n x n block shows as one pixel: clear when most of it is
// clear, else its most frequent other ink (on a tie, the first to get there), so that
// outlines and thin limbs survive shrinking.
Ink BlockInk(const Canvas& picture, int left, int top, int n) {
  std::map<Ink, int> count;
  Ink most = Ink::Clear;
  for (int y = top; y < top + n; ++y) {
    for (int x = left; x < left + n; ++x) {
      const Ink ink = picture.at(x, y);
      const int seen = ++count[ink];
      if (ink != Ink::Clear && (most == Ink::Clear || seen > count[most])) most = ink;
    }
  }
  return 2 * count[Ink::Clear] > n * n ? Ink::Clear : most;
}

}  // namespace

Canvas DrawIcon(int size) {
  const Canvas runner = DrawRunner()[0];
  const Box figure = FigureBox(runner);
  // Each pixel of the icon shows a `shrink` x `shrink` block of the sprite,
  // `grow` x `grow` times over; one of the two is 1.
  const int grow = std::max(1, std::min(size / figure.width, size / figure.height));
  const int shrink = (std::max(figure.width, figure.height) + size - 1) / size;
  const int width = (figure.width * grow + shrink - 1) / shrink;
  const int height = (figure.height * grow + shrink - 1) / shrink;
  const int left = (size - width) / 2;
  const int top = (size - height) / 2;
  Canvas icon(size, size);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      icon.set(
          left + x, top + y,
          BlockInk(runner, figure.x + x * shrink / grow, figure.y + y * shrink / grow, shrink));
    }
  }
  return icon;
}

}  // namespace datagen
