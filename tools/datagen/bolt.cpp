// The shot: a fireball streaking right with a flickering, tapering tail. The
// game draws it with its top-left corner at the runner's top-right, so the
// bolt flies at row 40, the height of the runner's forward hand.
#include "fixed_math.h"
#include "flame.h"
#include "raster.h"
#include "sprites.h"

namespace datagen {

Canvas DrawBolt() {
  constexpr Point kHead{34, 40};
  Canvas sprite(kSpriteSize, kSpriteSize);
  // Tail first, from its cool end to the head, each puff a little hotter and
  // wavering up or down so the tail flickers.
  constexpr int kTailPuffs = 8;
  for (int i = 0; i < kTailPuffs; ++i) {
    const Puff puff{{kHead.x - 30 + i * 4, kHead.y + (i % 3) - 1}, 2 + i / 2};
    DrawFlames(sprite, std::span(&puff, 1), 40 + i * 7);
  }
  const Puff head[] = {{kHead, 7}, {{kHead.x - 4, kHead.y}, 6}};
  DrawFlames(sprite, head, 105);
  // Embers shed behind the bolt.
  Rng rng(0xF17Eu);
  for (int i = 0; i < 6; ++i) {
    const int x = rng.Range(kHead.x - 34, kHead.x - 12);
    const int y = kHead.y + rng.Range(-6, 6);
    sprite.set(x, y, i % 2 ? Ink::Fire4 : Ink::Fire3);
  }
  // Speed streaks above and below the head.
  DrawLine(sprite, {kHead.x - 20, kHead.y - 6}, {kHead.x - 9, kHead.y - 6}, Ink::Fire5);
  DrawLine(sprite, {kHead.x - 17, kHead.y + 6}, {kHead.x - 8, kHead.y + 6}, Ink::Fire4);
  return sprite;
}

}  // namespace datagen
