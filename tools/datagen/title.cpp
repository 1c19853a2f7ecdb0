// The title picture: RIDGELINE in raised sunrise-coloured block letters over
// a small snowy range.
#include <cstdint>

#include "block_letters.h"
#include "common/data_files.h"
#include "fixed_math.h"
#include "lettering.h"
#include "raster.h"

namespace datagen {
namespace {

constexpr int kWidth = ridgeline::SpriteFile(ridgeline::SpriteKind::TitlePicture, 0).width;
constexpr int kHeight = ridgeline::SpriteFile(ridgeline::SpriteKind::TitlePicture, 0).height;

struct RangeStyle {
  std::uint32_t seed;
  int min_height, max_height;
  Ink shadow, lit;
  bool snow;
};

// A row of little peaks along `base`, their west faces in shadow and their
// east faces lit, like the background's ranges.
void DrawRange(Canvas& canvas, int left, int right, int base, const RangeStyle& style) {
  Rng rng(style.seed);
  for (int x = left; x < right;) {
    const int height = rng.Range(style.min_height, style.max_height);
    const int half = height * 3 / 4 + rng.Range(0, 6);
    const Point summit{x + half, base - height};
    const Point west[] = {{x, base}, summit, {summit.x, base}};
    const Point east[] = {summit, {x + 2 * half, base}, {summit.x, base}};
    FillPolygon(canvas, west, style.shadow);
    FillPolygon(canvas, east, style.lit);
    if (style.snow) {
      const int cap = height / 3;
      const Point snow[] = {summit,
                            {summit.x + cap, summit.y + cap},
                            {summit.x + cap / 3, summit.y + cap - 2},
                            {summit.x - cap / 3, summit.y + cap},
                            {summit.x - cap, summit.y + cap}};
      FillPolygon(canvas, snow, Ink::Snow2);
    }
    x += half + rng.Range(2, half);
  }
}

}  // namespace

Canvas DrawTitle() {
  Canvas title(kWidth, kHeight);
  const BlockStyle style{11, 14, 1, 5};
  const LetterPaint paint{Ink::Fire5, 3, Ink::Fire1, Ink::Plum1, Ink::Plum0, 8};
  const char* text = "RIDGELINE";
  const int width = TextWidth(text, style) + paint.depth;
  DrawRange(title, 20, kWidth - 48, 152, {0x717Eu, 18, 34, Ink::Far0, Ink::Far2, true});
  DrawRange(title, 40, kWidth - 60, 152, {0x5EEDu, 8, 16, Ink::Mid0, Ink::Mid2, false});
  DrawRaisedText(title, text, {(kWidth - width) / 2, 12}, style, paint);
  return title;
}

}  // namespace datagen
