#include "ridges.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "background.h"
#include "fixed_math.h"
#include "raster.h"
#include "shading.h"

namespace datagen {
namespace {

// A wave that repeats `cycles` whole times across the background.
int Ripple(int x, int cycles, int amplitude, int phase) {
  return amplitude * Sin(x * cycles * kTurn / kScreenWidth + phase) / kOne;
}

// Signed horizontal distance from `from` to x the short way round the wrap.
int WrappedOffset(int x, int from) {
  return Wrap(x - from + kScreenWidth / 2, kScreenWidth) - kScreenWidth / 2;
}

struct Peak {
  int x, top, slope_west, slope_east;
};

std::vector<Peak> PlacePeaks(const RidgeStyle& style) {
  Rng rng(style.seed);
  std::vector<Peak> peaks;
  const int spacing = kScreenWidth / style.peaks;
  for (int i = 0; i < style.peaks; ++i) {
    peaks.push_back(
        {i * spacing + rng.Range(0, spacing * 2 / 3), rng.Range(style.highest, style.lowest),
         rng.Range(style.min_slope, style.max_slope), rng.Range(style.min_slope, style.max_slope)});
  }
  return peaks;
}

// Small periodic roughness along a crest.
int Roughness(int x, int amount, int phase) {
  return Ripple(x, 17, amount, phase) + Ripple(x, 37, amount / 2, phase * 3) +
         Ripple(x, 71, amount / 3, phase * 7);
}

}  // namespace

void DrawRidge(Canvas& canvas, const RidgeStyle& style) {
  const std::vector<Peak> peaks = PlacePeaks(style);
  const int phase = static_cast<int>(style.seed % kTurn);
  for (int x = 0; x < kScreenWidth; ++x) {
    // The crest is the highest of the summits' flanks at this column.
    int crest = INT_MAX;
    const Peak* owner = nullptr;
    for (const Peak& peak : peaks) {
      const int dx = WrappedOffset(x, peak.x);
      const int y = peak.top + std::abs(dx) * (dx < 0 ? peak.slope_west : peak.slope_east) / 16;
      if (y < crest) {
        crest = y;
        owner = &peak;
      }
    }
    crest += Roughness(x, style.jaggedness, phase);
    // Summits above the snow line wear caps that reach further down the
    // higher they stand, with a ragged lower edge.
    const int cap = style.snow_line - owner->top;
    const int snow_edge = owner->top + cap + 8 + Ripple(x, 23, 4, phase) + Ripple(x, 53, 3, 0);
    for (int y = std::max(crest, 0); y < style.haze_bottom; ++y) {
      // The face east of a slightly crooked line running down from the
      // owning summit catches the sun.
      const int dx = WrappedOffset(x, owner->x);
      const int crook = (y / 3) % 3 - 1;
      const bool sunlit = (dx + crook) * 16 > (y - owner->top) * 5;
      Ink ink = sunlit ? style.lit : style.shadow;
      // Lower down, the shaded face gives way to the body ink.
      if (!sunlit && y > snow_edge + 24 && Dither(x, y, (y - snow_edge - 24) / 2)) ink = style.body;
      if (cap > 0 && y < snow_edge) {
        ink = sunlit ? Ink::Snow2 : Ink::Snow1;
        if (y >= snow_edge - 2 && Dither(x, y, 8)) ink = sunlit ? style.lit : style.shadow;
      }
      if (y >= style.haze_top) {
        const int level = (y - style.haze_top) * 17 / (style.haze_bottom - style.haze_top);
        if (Dither(x, y, level)) ink = style.haze;
      }
      canvas.set(x, y, ink);
    }
  }
}

namespace {

int HillCrest(int x, int crest) {
  return crest + Ripple(x, 3, 9, 500) + Ripple(x, 7, 5, 1700) + Ripple(x, 13, 2, 300);
}

// A pine: a narrow triangle in tiers, its east half lit.
void DrawPine(Canvas& canvas, Point foot, int height, Ink shade_ink, Ink lit_ink) {
  const int half = height / 3;
  Canvas tree(2 * half + 3, height + 2);
  const int mid = half + 1;
  const int tiers = 3;
  for (int t = 0; t < tiers; ++t) {
    const int top = 1 + t * height / (tiers + 1);
    const int bottom = height * (t + 2) / (tiers + 1) + 1;
    const int width = half * (t + 2) / (tiers + 1);
    const Point tier[] = {{mid, top}, {mid + width + 1, bottom}, {mid - width, bottom}};
    FillPolygon(tree, tier, shade_ink);
  }
  for (int y = 0; y < tree.height(); ++y) {
    for (int x = mid + 1; x < tree.width(); ++x) {
      if (tree.at(x, y) != Ink::Clear) tree.set(x, y, lit_ink);
    }
  }
  canvas.PasteWrapped(tree, foot.x - mid, foot.y - height - 1);
}

}  // namespace

void DrawForest(Canvas& canvas, int crest) {
  for (int x = 0; x < kScreenWidth; ++x) {
    for (int y = HillCrest(x, crest); y < canvas.height(); ++y) canvas.set(x, y, Ink::Hill0);
  }
  // Rows of pines from the crest down the slope, each row a little lower and
  // brighter, so the trees in front stand out against those behind them.
  struct Row {
    int drop, min_height, max_height;
    Ink shade_ink, lit_ink;
  };
  constexpr Row kRows[] = {
      {-4, 14, 24, Ink::Hill0, Ink::Hill1}, {6, 12, 20, Ink::Hill1, Ink::Hill2},
      {20, 14, 22, Ink::Hill0, Ink::Hill1}, {34, 12, 20, Ink::Hill1, Ink::Hill2},
      {50, 14, 22, Ink::Hill1, Ink::Hill2}, {66, 14, 22, Ink::Hill2, Ink::Hill3}};
  Rng rng(0x7EE5u);
  for (const Row& row : kRows) {
    for (int x = rng.Range(0, 6); x < kScreenWidth - 3; x += rng.Range(6, 11)) {
      const Point foot{x, HillCrest(x, crest) + row.drop + 4};
      DrawPine(canvas, foot, rng.Range(row.min_height, row.max_height), row.shade_ink, row.lit_ink);
    }
  }
}

}  // namespace datagen
