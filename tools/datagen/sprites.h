// The game's sprites: five-frame animations and single pictures, each drawn
// on an 80 x 80 canvas whose clear pixels are the transparent black.
#pragma once

#include <array>

#include "canvas.h"
#include "common/data_files.h"

namespace datagen {

// Every sprite drawn here is as large as the player's pictures.
constexpr int kSpriteSize = ridgeline::SpriteFile(ridgeline::SpriteKind::Player, 0).width;
constexpr int kFrames = 5;
using Animation = std::array<Canvas, kFrames>;

// The animation whose frame i is draw_frame(i).
template <typename DrawFrame>
Animation Animate(DrawFrame draw_frame) {
  return {draw_frame(0), draw_frame(1), draw_frame(2), draw_frame(3), draw_frame(4)};
}

// The player, running right. The game plays the frames 0, 1, 2, 3, 4, 3, 2, 1:
// frames 0 and 4 are the two strides, 2 the legs passing each other. Feet rest
// on row 76, just above the floor tiles.
Animation DrawRunner();

// The flying enemy, facing left: wings up in frame 0, level in 2, down in 4.
// Its body stays within the top 80 x 50 pixels, the box shots are tested against.
Animation DrawFlyer();

// The explosion that replaces a destroyed flyer, centred on the flyer's body:
// flash, fireball, breaking up, smoke, last wisps.
Animation DrawExplosion();

// The shot: a fire bolt flying right at the height of the runner's hand.
Canvas DrawBolt();

// The floor tile; its left and right edges join when tiles are laid in a row.
Canvas DrawFloorTile();

}  // namespace datagen
