// The title picture: RIDGELINE in raised sunrise-coloured block letters over
// a small snowy range.
#include "block_letters.h"
#include "fixed_math.h"
#include "lettering.h"
#include "raster.h"

namespace datagen {
namespace {

constexpr int kWidth = 572;
constexpr int kHeight = 158;

// A row of little peaks along the bottom, shaded like the background's.
void DrawRange(Canvas& canvas, int left, int right, int base) {
  Rng rng(0x717Eu);
  for (int x = left; x < right;) {
    const int half = rng.Range(14, 24);
    const int height = rng.Range(16, 30);
    const Point summit{x + half, base - height};
    const Point west[] = {{x, base}, summit, {summit.x, base}};
    const Point east[] = {summit, {x + 2 * half, base}, {summit.x, base}};
    FillPolygon(canvas, west, Ink::Far0);
    FillPolygon(canvas, east, Ink::Far2);
    const Point cap[] = {summit,
                         {summit.x + height / 3, summit.y + height / 3},
                         {summit.x, summit.y + height / 4},
                         {summit.x - height / 3, summit.y + height / 3}};
    FillPolygon(canvas, cap, Ink::Snow2);
    x += half + rng.Range(0, half);
  }
  FillRect(canvas, left, base, right - left, 2, Ink::Far0);
}

}  // namespace

Canvas DrawTitle() {
  Canvas title(kWidth, kHeight);
  const BlockStyle style{11, 14, 1, 5};
  const LetterPaint paint{Ink::Fire5, 3, Ink::Fire1, Ink::Plum1, Ink::Plum0, 8};
  const char* text = "RIDGELINE";
  const int width = TextWidth(text, style) + paint.depth;
  DrawRange(title, 24, kWidth - 24, 150);
  DrawRaisedText(title, text, {(kWidth - width) / 2, 12}, style, paint);
  return title;
}

}  // namespace datagen
