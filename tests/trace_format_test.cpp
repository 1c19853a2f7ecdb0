#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "game/state.h"
#include "headless_game.h"
#include "media/directx/sound.h"
#include "replay/number_text.h"
#include "replay/trace.h"

namespace ridgeline {

namespace {

// Where the C++ library converts whole numbers only, traces write reals with
// AppendShortest instead of std::to_chars: the text must be the same.
template <typename Real, typename Bits>
void ExpectShortestAsToChars(std::mt19937_64& random, const std::vector<Real>& chosen) {
  std::vector<Real> values = chosen;
  for (int i = 0; i < 4000; ++i) {
    // Any finite value, and values on the game's scale: positions and steps.
    const auto bits = static_cast<Bits>(random());
    Real any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
    values.push_back(static_cast<Real>(static_cast<int>(random() % 20000) - 10000) /
                     static_cast<Real>(1 + random() % 64));
  }
  for (const Real value : values) {
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string shortest;
    AppendShortest(shortest, value);
    ASSERT_EQ(shortest, std::string(digits, end));
  }
}

TEST(TraceLine, RealsReadTheSameWithoutStdToChars) {
  std::mt19937_64 random(20240611);
  ExpectShortestAsToChars<double, std::uint64_t>(
      random, {0.0, -0.0, 0.1, 0.30000000000000004, 1e5, 123456.0, 1200.0, 1e-7, 5e-324,
               1.7976931348623157e308, 2.2250738585072014e-308, 1e22, 9007199254740993.0});
  ExpectShortestAsToChars<float, std::uint32_t>(
      random, {0.0f, -0.0f, 0.1f, 0.99999994f, 1e5f, 1280.0f, 1e-7f, 1e-45f, 3.4028235e38f});
}

}  // namespace

}  // namespace ridgeline
