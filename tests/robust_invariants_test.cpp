#include "robust_invariants.h"

#include <gtest/gtest.h>

#include <functional>

namespace ridgeline {

namespace {

// The state of a game just reset: every bound holds.
GameVariables StartOfGame() {
  GameVariables g;
  g.PlayerX = 100;
  g.PlayerY = 323;
  return g;
}

TEST(SoakInvariants, EveryBoundItselfStillHolds) {
  const std::vector<std::function<void(GameVariables&)>> edges{
      [](GameVariables& g) { g.ShotCount = 5; },
      [](GameVariables& g) { g.PlayerX = 8; },
      [](GameVariables& g) { g.PlayerX = 632; },
      [](GameVariables& g) { g.PlayerY = -1000.5; },
      [](GameVariables& g) { g.PlayerFrame = 4; },
      [](GameVariables& g) { g.AnimTick = 10; },
      [](GameVariables& g) { g.WaveAngle = 360; },
      [](GameVariables& g) { g.BgOffset = -638; },
      [](GameVariables& g) { g.ExplosionTimer(10) = 5; },
      [](GameVariables& g) {
        g.ShotAlive(30) = true;
        g.Shot(30).x = 712;
        g.ShotAlive(0) = true;
        g.Shot(0).x = 88;
      },
      [](GameVariables& g) { g.Shot(3).x = 900; },  // not in flight
  };
  for (std::size_t i = 0; i < edges.size(); ++i) {
    GameVariables g = StartOfGame();
    edges[i](g);
    EXPECT_EQ(BrokenInvariant(g), std::nullopt) << "edge " << i;
  }
}

TEST(SoakInvariants, EachBoundJustPassedIsNamed) {
  const std::vector<std::pair<std::string, std::function<void(GameVariables&)>>> breaks{
      {"ShotCount 6", [](GameVariables& g) { g.ShotCount = 6; }},
      {"ShotCount -1", [](GameVariables& g) { g.ShotCount = -1; }},
      {"PlayerX 4", [](GameVariables& g) { g.PlayerX = 4; }},
      {"PlayerX 636", [](GameVariables& g) { g.PlayerX = 636; }},
      {"PlayerX 102", [](GameVariables& g) { g.PlayerX = 102; }},
      {"PlayerY 323.5", [](GameVariables& g) { g.PlayerY = 323.5; }},
      {"PlayerFrame 5", [](GameVariables& g) { g.PlayerFrame = 5; }},
      {"PlayerFrame -1", [](GameVariables& g) { g.PlayerFrame = -1; }},
      {"AnimTick 11", [](GameVariables& g) { g.AnimTick = 11; }},
      {"WaveAngle 361", [](GameVariables& g) { g.WaveAngle = 361; }},
      {"BgOffset -640", [](GameVariables& g) { g.BgOffset = -640; }},
      {"BgOffset -3", [](GameVariables& g) { g.BgOffset = -3; }},
      {"BgOffset 2", [](GameVariables& g) { g.BgOffset = 2; }},
      {"ExplosionTimer(10) 6", [](GameVariables& g) { g.ExplosionTimer(10) = 6; }},
      {"live shot 30 713",
       [](GameVariables& g) {
         g.ShotAlive(30) = true;
         g.Shot(30).x = 713;
       }},
      {"live shot 0 87",
       [](GameVariables& g) {
         g.ShotAlive(0) = true;
         g.Shot(0).x = 87;
       }},
  };
  for (const auto& [expected, breakIt] : breaks) {
    GameVariables g = StartOfGame();
    breakIt(g);
    const auto broken = BrokenInvariant(g);
    ASSERT_TRUE(broken.has_value()) << expected;
    EXPECT_NE(broken->find(expected), std::string::npos) << *broken;
  }
}

}  // namespace

}  // namespace ridgeline
