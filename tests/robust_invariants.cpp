#include "robust_invariants.h"

#include <sstream>

namespace ridgeline {

namespace {

std::string Outside(const std::string& name, double value, const std::string& bounds) {
  std::ostringstream text;
  text << name << " " << value << " is outside " << bounds;
  return text.str();
}

}  // namespace

std::optional<std::string> BrokenInvariant(const GameVariables& g) {
  if (g.ShotCount < 0 || g.ShotCount > 5) return Outside("ShotCount", g.ShotCount, "0..5");
  // The player runs in steps of 4 from 100 and stops once past 10 or 630.
  if (g.PlayerX < 8 || g.PlayerX > 632 || g.PlayerX % 4 != 0) {
    return Outside("PlayerX", g.PlayerX, "the multiples of 4 in 8..632");
  }
  if (g.PlayerY > 323) return Outside("PlayerY", g.PlayerY, "..323");
  if (g.PlayerFrame < 0 || g.PlayerFrame > 4) return Outside("PlayerFrame", g.PlayerFrame, "0..4");
  if (g.AnimTick < 0 || g.AnimTick > 10) return Outside("AnimTick", g.AnimTick, "0..10");
  if (g.WaveAngle < 0 || g.WaveAngle > 360) return Outside("WaveAngle", g.WaveAngle, "0..360");
  if (g.BgOffset < -638 || g.BgOffset > 0 || g.BgOffset % 2 != 0) {
    return Outside("BgOffset", g.BgOffset, "the even numbers in -638..0");
  }
  for (int i = 0; i <= kLastExplosion; ++i) {
    if (g.ExplosionTimer(i) < 0 || g.ExplosionTimer(i) > 5) {
      return Outside("ExplosionTimer(" + std::to_string(i) + ")", g.ExplosionTimer(i), "0..5");
    }
  }
  // A shot starts at the player's x + 80 and leaves in the move that takes it
  // to 640 or beyond, so one fired at the right limit is at 712 until then.
  for (int i = 0; i <= kLastShot; ++i) {
    if (g.ShotAlive(i) && (g.Shot(i).x < 88 || g.Shot(i).x > 712)) {
      return Outside("the x of live shot " + std::to_string(i), g.Shot(i).x, "88..712");
    }
  }
  return std::nullopt;
}

}  // namespace ridgeline
