// The splash logo of our studio, Cairnworks: a round badge with a cairn of
// stacked stones under an evening sky, and the studio's name beneath it.
#include "block_letters.h"
#include "common/data_files.h"
#include "fixed_math.h"
#include "lettering.h"
#include "raster.h"
#include "shading.h"

namespace datagen {
namespace {

constexpr int kWidth = ridgeline::SpriteFile(ridgeline::SpriteKind::SplashLogo, 0).width;
constexpr int kHeight = ridgeline::SpriteFile(ridgeline::SpriteKind::SplashLogo, 0).height;
constexpr Point kBadge{200, 104};
constexpr int kBadgeRadius = 78;

// Sky from deep navy at the top to plum at the horizon, with a few stars and
// a rising sun, then a grassy hill; everything inside the badge's disc.
void DrawBadgeScene(Canvas& canvas) {
  constexpr int kInner = kBadgeRadius - 8;
  Canvas scene(kWidth, kHeight);
  FillDisc(scene, kBadge.x, kBadge.y, kInner, Ink::Navy0);
  for (int y = kBadge.y - kInner; y <= kBadge.y + kInner; ++y) {
    const int position = (y - (kBadge.y - kInner)) * 3 * 16 / (2 * kInner);
    for (int x = kBadge.x - kInner; x <= kBadge.x + kInner; ++x) {
      if (scene.at(x, y) == Ink::Clear) continue;
      const int step = position / 16 + (Dither(x, y, position % 16) ? 1 : 0);
      constexpr Ink kDusk[] = {Ink::Navy0, Ink::Navy1, Ink::Plum1, Ink::Plum2};
      scene.set(x, y, kDusk[std::min(step, 3)]);
    }
  }
  Rng rng(0x57A2u);
  for (int i = 0; i < 24; ++i) {
    const int x = kBadge.x + rng.Range(-kInner, kInner);
    const int y = kBadge.y + rng.Range(-kInner, 0);
    if (scene.at(x, y) != Ink::Clear) scene.set(x, y, i % 4 ? Ink::Snow1 : Ink::Snow2);
  }
  Canvas mask = scene;
  FillDisc(scene, kBadge.x + 34, kBadge.y + 10, 16, Ink::Fire4);
  FillDisc(scene, kBadge.x + 34, kBadge.y + 10, 12, Ink::Fire5);
  for (int y = kBadge.y - kInner; y <= kBadge.y + kInner; ++y) {
    for (int x = kBadge.x - kInner; x <= kBadge.x + kInner; ++x) {
      const int dx = x - kBadge.x;
      const int hill = kBadge.y + 30 + dx * dx / 90;
      if (y >= hill) scene.set(x, y, y < hill + 3 ? Ink::Grass2 : Ink::Hill1);
      if (mask.at(x, y) == Ink::Clear) scene.set(x, y, Ink::Clear);
    }
  }
  canvas.Paste(scene);
}

// Five stones balanced on one another, each a little smaller and set a
// little off the line of the one below.
void DrawCairn(Canvas& canvas) {
  struct Stone {
    int dx, rx, ry;
  };
  constexpr Stone kStones[] = {{0, 26, 10}, {3, 20, 9}, {-2, 15, 8}, {2, 11, 7}, {0, 6, 5}};
  int base = kBadge.y + 33;
  for (const Stone& stone : kStones) {
    Canvas part(kWidth, kHeight);
    FillEllipse(part, kBadge.x + stone.dx, base - stone.ry, stone.rx, stone.ry, Ink::Grey3);
    Lay(canvas, part);
    base -= 2 * stone.ry - 1;
  }
}

void DrawRing(Canvas& canvas) {
  Canvas ring(kWidth, kHeight);
  FillDisc(ring, kBadge.x, kBadge.y, kBadgeRadius, Ink::Teal1);
  FillDisc(ring, kBadge.x, kBadge.y, kBadgeRadius - 7, Ink::Clear);
  Lay(canvas, ring);
}

}  // namespace

Canvas DrawStudioLogo() {
  Canvas logo(kWidth, kHeight);
  DrawBadgeScene(logo);
  DrawCairn(logo);
  DrawRing(logo);
  const BlockStyle name_style{6, 8, 1, 2};
  const LetterPaint name_paint{Ink::Snow2, 2, Ink::Teal0, Ink::Teal1, Ink::Teal0, 4};
  const char* name = "CAIRNWORKS";
  DrawRaisedText(logo, name, {(kWidth - TextWidth(name, name_style)) / 2, 204}, name_style,
                 name_paint);
  const BlockStyle games_style{3, 3, 2, 0};
  const LetterPaint games_paint{Ink::Teal2, 1, Ink::Teal0, Ink::Teal0, Ink::Teal0, 1};
  const char* games = "GAMES";
  DrawRaisedText(logo, games, {(kWidth - TextWidth(games, games_style)) / 2, 272}, games_style,
                 games_paint);
  return logo;
}

}  // namespace datagen
