#include "palette.h"

#include <algorithm>
#include <array>

namespace datagen {
namespace {

// clang-format off
constexpr std::array<Rgb, kInkCount> kColours{{
    {0, 0, 0},  // Clear
    {28, 22, 40},  // Outline
    // Sky, from the deep blue at the zenith to the haze at the horizon.
    {112, 172, 226}, {138, 190, 234}, {166, 206, 240}, {196, 224, 246}, {226, 238, 246},
    // Snow and cloud.
    {170, 184, 216}, {208, 220, 240}, {248, 250, 252},
    // Far ridges, pale with distance.
    {124, 142, 192}, {150, 166, 210}, {176, 190, 224},
    // Middle ridges.
    {70, 92, 146}, {90, 116, 166}, {114, 140, 184},
    // Near wooded hills.
    {30, 68, 72}, {42, 92, 78}, {62, 120, 84}, {94, 148, 88},
    // Grass.
    {38, 98, 58}, {70, 142, 60}, {114, 182, 66}, {170, 214, 96},
    // Earth, also hair and boots.
    {68, 42, 44}, {102, 64, 50}, {140, 92, 60}, {178, 126, 78},
    // Stone and smoke.
    {58, 54, 68}, {88, 84, 100}, {124, 120, 134}, {164, 160, 172}, {206, 204, 212},
    // Skin.
    {168, 100, 82}, {218, 148, 112}, {246, 198, 160},
    // Fire, from embers to the white-hot core; also the runner's tunic.
    {96, 24, 50}, {160, 36, 54}, {214, 66, 50}, {242, 128, 50}, {252, 190, 66}, {255, 234, 140},
    {255, 252, 232},
    // Navy cloth.
    {40, 42, 86}, {60, 66, 122}, {90, 98, 162},
    // Plum, the flyer's hide.
    {72, 36, 96}, {112, 56, 140}, {156, 90, 180}, {200, 138, 214},
    // Teal, the flyer's wing membranes and the studio's badge.
    {34, 110, 120}, {56, 164, 164}, {120, 214, 198},
}};
// clang-format on

// The first ink of every ramp; each ramp runs up to the start of the next.
constexpr std::array kRampStarts{Ink::Clear,  Ink::Outline, Ink::Sky0,  Ink::Snow0,
                                 Ink::Far0,   Ink::Mid0,    Ink::Hill0, Ink::Grass0,
                                 Ink::Earth0, Ink::Grey0,   Ink::Skin0, Ink::Fire0,
                                 Ink::Navy0,  Ink::Plum0,   Ink::Teal0, Ink::Count};

// Index of the ramp that holds `ink`.
int RampOf(int ink) {
  return static_cast<int>(
      std::upper_bound(kRampStarts.begin(), kRampStarts.end(), static_cast<Ink>(ink)) -
      kRampStarts.begin());
}

}  // namespace

Rgb RgbOf(Ink ink) {
  return kColours[static_cast<int>(ink)];
}

Ink Shift(Ink ink, int steps) {
  const int start = static_cast<int>(ink);
  const int ramp = RampOf(start);
  const int step = steps > 0 ? 1 : -1;
  int index = start;
  for (int remaining = steps * step; remaining > 0; --remaining) {
    const int next = index + step;
    if (next < 0 || next >= kInkCount || RampOf(next) != ramp) break;
    index = next;
  }
  return static_cast<Ink>(index);
}

}  // namespace datagen
