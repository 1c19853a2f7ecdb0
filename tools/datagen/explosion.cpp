// The explosion: a white flash, a fireball that swells and cools from yellow
// to red, then breaks up into smoke and embers that thin out and vanish.
#include "fixed_math.h"
#include "flame.h"
#include "puffs.h"
#include "raster.h"
#include "shading.h"
#include "sprites.h"

namespace datagen {
namespace {

// Where the flyer's body was: its sprite has the same top-left corner.
constexpr Point kCentre{38, 28};

struct Stage {
  int rays = 0;  // length of the flash's star rays
  // The fireball: puffs, how far they scatter, their size, and how hot it
  // burns (100 is white hot at the core).
  int fire_puffs = 0, fire_spread = 0, fire_radius = 0, heat = 0;
  // The smoke: puffs, scatter, size, how far it has risen, and how much of it
  // has blown away (0..16).
  int smoke_puffs = 0, smoke_spread = 0, smoke_radius = 0, smoke_rise = 0, thinning = 0;
  int spark_distance = 0;  // how far the sparks have flown
};

constexpr std::array<Stage, kFrames> kStages{{
    {.rays = 17, .fire_puffs = 5, .fire_spread = 3, .fire_radius = 9, .heat = 125},
    {.fire_puffs = 8, .fire_spread = 7, .fire_radius = 11, .heat = 100, .spark_distance = 19},
    {.fire_puffs = 10,
     .fire_spread = 11,
     .fire_radius = 11,
     .heat = 80,
     .smoke_puffs = 5,
     .smoke_spread = 13,
     .smoke_radius = 7,
     .smoke_rise = 4,
     .spark_distance = 25},
    {.fire_puffs = 6,
     .fire_spread = 12,
     .fire_radius = 8,
     .heat = 55,
     .smoke_puffs = 9,
     .smoke_spread = 16,
     .smoke_radius = 9,
     .smoke_rise = 5,
     .thinning = 3},
    {.smoke_puffs = 8, .smoke_spread = 19, .smoke_radius = 7, .smoke_rise = 6, .thinning = 9},
}};

// Smoke puffs, lit from the top left and outlined; `thinning` clears a growing
// share of their pixels as they drift apart.
void DrawSmoke(Canvas& sprite, std::span<const Puff> puffs, int thinning, bool embers) {
  Canvas part(kSpriteSize, kSpriteSize);
  for (int y = 0; y < kSpriteSize; ++y) {
    for (int x = 0; x < kSpriteSize; ++x) {
      const int depth = ClusterDepth(puffs, x, y);
      if (depth < 0) continue;
      if (depth < kFullDepth / 2 && Dither(x, y, thinning)) continue;
      const bool ember = embers && depth > kFullDepth * 3 / 4 && Dither(x + 1, y, 6);
      part.set(x, y, ember ? Ink::Fire3 : Ink::Grey2);
    }
  }
  Lay(sprite, part);
}

void DrawSparks(Canvas& sprite, Rng& rng, int distance) {
  constexpr int kSparks = 9;
  for (int i = 0; i < kSparks; ++i) {
    const int angle = i * kTurn / kSparks + rng.Range(-kTurn / 40, kTurn / 40);
    const int reach = distance + rng.Range(-4, 4);
    DrawLine(sprite, Polar(kCentre, reach - 4, angle), Polar(kCentre, reach, angle), Ink::Fire4);
    const Point head = Polar(kCentre, reach, angle);
    sprite.set(head.x, head.y, Ink::Fire6);
  }
}

void DrawRays(Canvas& sprite, int length) {
  for (int i = 0; i < 8; ++i) {
    const int angle = i * kTurn / 8;
    const int reach = i % 2 ? length * 2 / 3 : length;
    FillCapsule(sprite, kCentre, Polar(kCentre, reach, angle), i % 2 ? 0 : 1, Ink::Fire5);
  }
}

Canvas DrawFrame(int frame) {
  const Stage& stage = kStages[frame];
  Rng rng(0xB0A7u + static_cast<unsigned>(frame) * 977u);
  Canvas sprite(kSpriteSize, kSpriteSize);
  if (stage.rays) DrawRays(sprite, stage.rays);
  if (stage.smoke_puffs) {
    const Point above{kCentre.x, kCentre.y - stage.smoke_rise};
    const Point spread{stage.smoke_spread, stage.smoke_spread * 2 / 3};
    const auto smoke = ScatterPuffs(rng, above, stage.smoke_puffs, spread, stage.smoke_radius - 3,
                                    stage.smoke_radius);
    DrawSmoke(sprite, smoke, stage.thinning, stage.fire_puffs == 0);
  }
  if (stage.fire_puffs) {
    const Point spread{stage.fire_spread, stage.fire_spread * 3 / 4};
    const auto fire = ScatterPuffs(rng, kCentre, stage.fire_puffs, spread, stage.fire_radius - 3,
                                   stage.fire_radius);
    DrawFlames(sprite, fire, stage.heat);
  }
  if (stage.spark_distance) DrawSparks(sprite, rng, stage.spark_distance);
  return sprite;
}

}  // namespace

Animation DrawExplosion() {
  return Animate(DrawFrame);
}

}  // namespace datagen
