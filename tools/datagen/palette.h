// The one palette every picture of the game is drawn with.
//
// Colours are grouped in ramps from dark to light, so shading a pixel means
// stepping along its ramp. Ink::Clear is pure black, the transparent colour of
// every sprite; every other ink stays non-zero when the game converts it to
// RGB565, so no figure pixel turns transparent by accident.
#pragma once

#include <cstdint>

namespace datagen {

struct Rgb {
  std::uint8_t r, g, b;
};

// clang-format off
enum class Ink : std::uint8_t {
  Clear,
  Outline,
  Sky0, Sky1, Sky2, Sky3, Sky4,
  Snow0, Snow1, Snow2,
  Far0, Far1, Far2,
  Mid0, Mid1, Mid2,
  Hill0, Hill1, Hill2, Hill3,
  Grass0, Grass1, Grass2, Grass3,
  Earth0, Earth1, Earth2, Earth3,
  Grey0, Grey1, Grey2, Grey3, Grey4,
  Skin0, Skin1, Skin2,
  Fire0, Fire1, Fire2, Fire3, Fire4, Fire5, Fire6,
  Navy0, Navy1, Navy2,
  Plum0, Plum1, Plum2, Plum3,
  Teal0, Teal1, Teal2,
  Count
};
// clang-format on

constexpr int kInkCount = static_cast<int>(Ink::Count);

Rgb RgbOf(Ink ink);

// Moves `steps` along the ink's ramp (positive is lighter), stopping at its ends.
Ink Shift(Ink ink, int steps);
inline Ink Lighter(Ink ink) {
  return Shift(ink, 1);
}
inline Ink Darker(Ink ink) {
  return Shift(ink, -1);
}

// The ink `offset` places after `base` in the same ramp; used to index a ramp
// by a computed level, for example a heat or height value.
inline Ink Ramp(Ink base, int offset) {
  return Shift(base, offset);
}

}  // namespace datagen
