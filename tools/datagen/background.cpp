// The background: a bright sky with a sun and clouds over three ranges,
// snowy peaks far off, blue ridges nearer, and pine-covered hills in front.
#include "background.h"

#include <vector>

#include "fixed_math.h"
#include "puffs.h"
#include "raster.h"
#include "ridges.h"
#include "shading.h"

namespace datagen {
namespace {

constexpr int kSkyBand = 64;    // rows of each sky ink
constexpr int kBlendRows = 16;  // rows over which one sky ink dithers into the next

// From the deep blue at the top (light enough for the black score text) to
// the haze at the horizon, in bands joined by dithered steps.
void DrawSky(Canvas& canvas) {
  for (int y = 0; y < kScreenHeight; ++y) {
    const int band = y / kSkyBand;
    const int into = y % kSkyBand - (kSkyBand - kBlendRows);
    for (int x = 0; x < kScreenWidth; ++x) {
      const bool next = into >= 0 && Dither(x, y, into + 1);
      canvas.set(x, y, Ramp(Ink::Sky0, band + (next ? 1 : 0)));
    }
  }
}

void DrawSun(Canvas& canvas) {
  constexpr Point kSun{530, 84};
  for (int y = kSun.y - 40; y <= kSun.y + 40; ++y) {
    for (int x = kSun.x - 40; x <= kSun.x + 40; ++x) {
      const int d2 = (x - kSun.x) * (x - kSun.x) + (y - kSun.y) * (y - kSun.y);
      if (d2 <= 15 * 15) {
        canvas.set(x, y, d2 <= 12 * 12 ? Ink::Fire6 : Ink::Fire5);
      } else if (d2 <= 22 * 22 && Dither(x, y, 8)) {
        canvas.set(x, y, Ink::Sky4);
      } else if (d2 <= 30 * 30 && Dither(x, y, 4)) {
        canvas.set(x, y, Lighter(canvas.at(x, y)));
      }
    }
  }
}

// Flat-bottomed heaps of puffs, white on top and grey-blue underneath.
void DrawClouds(Canvas& canvas) {
  struct Cloud {
    Point at;
    int size;
  };
  constexpr Cloud kClouds[] = {
      {{110, 92}, 13}, {{300, 46}, 10}, {{420, 136}, 15}, {{630, 54}, 12}, {{560, 176}, 8}};
  Rng rng(0xC10D5u);
  for (const Cloud& cloud : kClouds) {
    const int width = cloud.size * 5;
    const int height = cloud.size * 3;
    const Point centre{width, height};
    const auto puffs = ScatterPuffs(rng, centre, 7, {cloud.size * 2, cloud.size / 3}, cloud.size,
                                    cloud.size * 3 / 2);
    Canvas layer(2 * width, 2 * height);
    for (int y = 0; y < centre.y + cloud.size / 2; ++y) {
      for (int x = 0; x < layer.width(); ++x) {
        if (ClusterDepth(puffs, x, y) >= 0) layer.set(x, y, Ink::Snow2);
      }
    }
    Shade(layer, {{0, 1}, 3});
    canvas.PasteWrapped(layer, cloud.at.x - width, cloud.at.y - height);
  }
}

}  // namespace

Canvas DrawBackground() {
  Canvas canvas(kScreenWidth, kScreenHeight);
  DrawSky(canvas);
  DrawSun(canvas);
  DrawRidge(canvas, {.seed = 0xFA12u,
                     .peaks = 7,
                     .highest = 108,
                     .lowest = 184,
                     .min_slope = 12,
                     .max_slope = 26,
                     .jaggedness = 4,
                     .shadow = Ink::Far0,
                     .body = Ink::Far1,
                     .lit = Ink::Far2,
                     .snow_line = 156,
                     .haze = Ink::Sky3,
                     .haze_top = 262,
                     .haze_bottom = 300});
  // Clouds drift in front of the far peaks but behind the nearer ridges.
  DrawClouds(canvas);
  DrawRidge(canvas, {.seed = 0x31D6u,
                     .peaks = 9,
                     .highest = 206,
                     .lowest = 268,
                     .min_slope = 8,
                     .max_slope = 22,
                     .jaggedness = 5,
                     .shadow = Ink::Mid0,
                     .body = Ink::Mid1,
                     .lit = Ink::Mid2,
                     .snow_line = 0,
                     .haze = Ink::Far2,
                     .haze_top = 312,
                     .haze_bottom = 350});
  DrawForest(canvas, 338);
  return canvas;
}

}  // namespace datagen
