// The flying enemy: a plum-coloured, beaked bat-bird with teal wings and one
// angry yellow eye, beating its wings as it comes in from the right.
#include <array>
#include <vector>

#include "fixed_math.h"
#include "raster.h"
#include "shading.h"
#include "sprites.h"

namespace datagen {
namespace {

constexpr int Degrees(int d) {
  return d * kTurn / 360;
}

// Wing angle per frame, from raised high to pressed low.
constexpr std::array<int, kFrames> kWingAngle{Degrees(42), Degrees(24), Degrees(6), Degrees(-22),
                                              Degrees(-48)};
// The body sinks a little while the wings rise and lifts as they push down.
constexpr std::array<int, kFrames> kBodyLift{-1, -1, 0, 1, 1};

struct WingStyle {
  Ink membrane;
  Ink bone;
  int scale;  // percent of the full wing size
};

// The wing spread level and back, relative to its root: wrist, tip, the two
// trailing finger tips, and where the membrane meets the body.
constexpr std::array<Point, 5> kSpreadWing{{{9, -4}, {23, -6}, {24, 1}, {18, 6}, {7, 5}}};

// A bat wing from `root`, the level wing turned by `angle` about its root.
// Lowered wings are mirrored first, so the membrane always trails towards the
// tail. Bones run from the wrist to every finger tip; the membrane between
// the fingers is scalloped.
void DrawWing(Canvas& sprite, Point root, int angle, const WingStyle& style) {
  std::array<Point, kSpreadWing.size()> p;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Point q = kSpreadWing[i];
    const Point scaled{q.x * style.scale / 100, (angle < 0 ? -q.y : q.y) * style.scale / 100};
    p[i] = TurnAbout(root, {root.x + scaled.x, root.y + scaled.y}, angle);
  }
  const Point wrist = p[0];
  std::vector<Point> edge{root, wrist, p[1]};
  for (std::size_t i = 2; i < p.size(); ++i) {
    const Point mid = Between(p[i - 1], p[i], 1, 2);
    edge.push_back(Between(mid, wrist, 1, 5));
    edge.push_back(p[i]);
  }
  Canvas membrane(kSpriteSize, kSpriteSize);
  FillPolygon(membrane, edge, style.membrane);
  Lay(sprite, membrane);
  // Bones go on top unshaded, so they read as clean lines.
  FillCapsule(sprite, root, wrist, 1, style.bone);
  DrawLine(sprite, wrist, p[1], style.bone);
  for (std::size_t i = 2; i + 1 < p.size(); ++i) DrawLine(sprite, wrist, p[i], style.bone);
}

void DrawBody(Canvas& sprite, Point centre) {
  const Point head{centre.x - 11, centre.y - 3};
  Canvas part(kSpriteSize, kSpriteSize);
  // Tail with a spade-shaped tip.
  const Point tail_tip{centre.x + 24, centre.y + 7};
  FillCapsule(part, {centre.x + 8, centre.y + 2}, tail_tip, 2, Ink::Plum1);
  const Point spade[] = {{tail_tip.x - 1, tail_tip.y - 4},
                         {tail_tip.x + 6, tail_tip.y + 1},
                         {tail_tip.x - 1, tail_tip.y + 5}};
  FillPolygon(part, spade, Ink::Plum1);
  // Ear tufts.
  const Point tufts[][3] = {
      {{head.x - 2, head.y - 6}, {head.x + 1, head.y - 14}, {head.x + 3, head.y - 5}},
      {{head.x + 3, head.y - 6}, {head.x + 8, head.y - 13}, {head.x + 8, head.y - 4}}};
  for (const auto& tuft : tufts) FillPolygon(part, tuft, Ink::Plum2);
  FillEllipse(part, centre.x, centre.y, 13, 10, Ink::Plum2);
  FillDisc(part, head.x, head.y, 9, Ink::Plum2);
  // Pale belly.
  FillEllipse(part, centre.x - 3, centre.y + 5, 8, 4, Ink::Plum3);
  Lay(sprite, part);

  Canvas beak(kSpriteSize, kSpriteSize);
  const Point bill[] = {
      {head.x - 6, head.y - 2}, {head.x - 17, head.y + 4}, {head.x - 5, head.y + 6}};
  FillPolygon(beak, bill, Ink::Fire4);
  Lay(sprite, beak);
  DrawLine(sprite, {head.x - 14, head.y + 4}, {head.x - 6, head.y + 3}, Ink::Fire2);  // mouth line

  // Claws tucked under the belly.
  Canvas feet(kSpriteSize, kSpriteSize);
  for (int dx : {-4, 3}) {
    FillCapsule(feet, {centre.x + dx, centre.y + 9}, {centre.x + dx - 2, centre.y + 13}, 1,
                Ink::Fire3);
  }
  Lay(sprite, feet);

  // One big angry eye looking ahead.
  Canvas eye(kSpriteSize, kSpriteSize);
  FillDisc(eye, head.x - 2, head.y - 1, 4, Ink::Fire5);
  Lay(sprite, eye);
  FillRect(sprite, head.x - 5, head.y - 1, 2, 3, Ink::Outline);                        // pupil
  DrawLine(sprite, {head.x - 7, head.y - 6}, {head.x + 2, head.y - 4}, Ink::Outline);  // brow
  sprite.set(head.x - 1, head.y - 2, Ink::Snow2);                                      // glint
}

Canvas DrawFrame(int frame) {
  const Point centre{40, 29 - kBodyLift[frame]};
  const int angle = kWingAngle[frame];
  Canvas sprite(kSpriteSize, kSpriteSize);
  DrawWing(sprite, {centre.x + 7, centre.y - 6}, angle + Degrees(10),
           {Ink::Teal0, Ink::Plum0, 100});
  DrawBody(sprite, centre);
  DrawWing(sprite, {centre.x + 2, centre.y - 4}, angle, {Ink::Teal1, Ink::Plum1, 112});
  return sprite;
}

}  // namespace

Animation DrawFlyer() {
  return Animate(DrawFrame);
}

}  // namespace datagen
