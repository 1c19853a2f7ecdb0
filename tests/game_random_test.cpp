#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>
#include <vector>

#include "game/enemies.h"
#include "game/random.h"
#include "game/state.h"
#include "headless_game.h"

namespace ridgeline {

namespace {

TEST(Random, NumbersAreSpreadEvenlyOverZeroToOneExcludingOne) {
  ResetRandom();
  Randomize(42);
  constexpr int kDraws = 200000;
  std::array<int, 20> buckets{};
  double sum = 0;
  for (int i = 0; i < kDraws; ++i) {
    const float r = Rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ++buckets[static_cast<int>(r * 20)];
    sum += r;
  }
  EXPECT_NEAR(sum / kDraws, 0.5, 0.005);
  for (int count : buckets) EXPECT_NEAR(count, kDraws / 20, 500);
}

TEST(Random, ReseedingWithAnUnchangedClockGivesNewNumbers) {
  // Single numbers on a 2^-24 grid may meet by chance; pairs, as an enemy
  // draws them, only if the sequence repeats.
  ResetRandom();
  std::set<std::pair<float, float>> drawn;
  for (int i = 0; i < 1000; ++i) {
    Randomize(7);
    const float a = Rnd();
    drawn.emplace(a, Rnd());
  }
  EXPECT_EQ(drawn.size(), 1000u);
}

TEST(Random, TheClockValueChangesTheNumbers) {
  ResetRandom();
  Randomize(1);
  const float first = Rnd();
  ResetRandom();
  Randomize(2);
  EXPECT_NE(Rnd(), first);
  ResetRandom();
  Randomize(1);
  EXPECT_EQ(Rnd(), first);  // and the same state and clock repeat exactly
}

// The A values of the eleven enemies as they stand.
std::vector<float> StartDistances() {
  std::vector<float> a;
  for (int i = 0; i <= kLastEnemy; ++i) a.push_back(Game.Enemy(i).a);
  return a;
}

TEST(Random, ElevenPlacementsWithAFixedClockAreAllDifferentAndSoIsTheNextGame) {
  HeadlessGame game;  // the clock is fixed
  game.StartUp();
  const std::vector<float> first = StartDistances();
  std::set<float> all(first.begin(), first.end());
  EXPECT_EQ(all.size(), 11u);

  ResetGame();
  for (int i = 0; i <= kLastEnemy; ++i) SpawnEnemy(i);
  const std::vector<float> second = StartDistances();
  all.insert(second.begin(), second.end());
  EXPECT_EQ(all.size(), 22u);
}

}  // namespace

}  // namespace ridgeline
