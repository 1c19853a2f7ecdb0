#include "fixed_math.h"

namespace datagen {

int Sin(int angle) {
  const int a = Wrap(angle, kTurn);
  const int quarter = kTurn / 4;
  // Fold onto the first quarter wave, then evaluate the odd Taylor series of
  // sin(x * pi / 2) with x in [0, 1] as a Q30 number; its error stays well
  // below one unit of kOne.
  const int folded = (a % (kTurn / 2)) < quarter ? a % quarter : quarter - a % quarter;
  const std::int64_t x = (static_cast<std::int64_t>(folded) << 30) / quarter;
  const std::int64_t x2 = (x * x) >> 30;
  constexpr std::int64_t kC1 = 1686629713;  // (pi / 2)     * 2^30
  constexpr std::int64_t kC3 = 693598668;   // (pi / 2)^3 / 3!
  constexpr std::int64_t kC5 = 85569306;    // (pi / 2)^5 / 5!
  constexpr std::int64_t kC7 = 5026995;     // (pi / 2)^7 / 7!
  constexpr std::int64_t kC9 = 172272;      // (pi / 2)^9 / 9!
  std::int64_t poly = kC9;
  poly = kC7 - ((poly * x2) >> 30);
  poly = kC5 - ((poly * x2) >> 30);
  poly = kC3 - ((poly * x2) >> 30);
  poly = kC1 - ((poly * x2) >> 30);
  const std::int64_t value = (poly * x) >> 30;  // Q30
  const int scaled = static_cast<int>((value * kOne + (std::int64_t{1} << 29)) >> 30);
  return a < kTurn / 2 ? scaled : -scaled;
}

std::uint32_t Rng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

int Rng::Range(int lo, int hi) {
  return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
}

}  // namespace datagen
