#pragma once

namespace ridgeline {

// The kinds of sprite picture, the first index of the Sprite table. The
// player, enemy and explosion kinds have frames 0 to 4, the others frame 0.
enum class SpriteKind : long {
  Player = 0,
  Enemy = 1,
  Shot = 2,
  Explosion = 3,
  SplashLogo = 4,
  FloorTile = 5,
  TitlePicture = 6,
};

}  // namespace ridgeline
