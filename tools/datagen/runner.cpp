// The player: a runner in a red tunic with a yellow headband, built from a
// jointed skeleton so that arms and legs swing in opposition and the body
// bobs with each stride.
#include <array>
#include <utility>

#include "raster.h"
#include "shading.h"
#include "sprites.h"

namespace datagen {
namespace {

struct Leg {
  Point knee, ankle, toe;
};

struct Arm {
  Point elbow, hand;
};

// One key pose. The lead leg reaches forward in the stride and carries the
// body as the legs pass; the trail leg pushes off behind and swings through
// tucked up. Each arm swings against the leg of its own side.
struct Pose {
  Point hip;
  Leg lead_leg, trail_leg;
  Arm lead_arm, trail_arm;
};

constexpr Pose kStride{{36, 48},
                       {{46, 56}, {52, 68}, {57, 67}},
                       {{30, 59}, {22, 69}, {27, 73}},
                       {{34, 40}, {29, 46}},
                       {{48, 41}, {54, 35}}};
constexpr Pose kReach{{37, 50},
                      {{45, 59}, {46, 71}, {51, 73}},
                      {{32, 61}, {25, 68}, {29, 72}},
                      {{36, 42}, {32, 48}},
                      {{48, 43}, {54, 38}}};
constexpr Pose kPassing{{38, 51},
                        {{41, 63}, {37, 73}, {42, 74}},
                        {{46, 60}, {36, 64}, {39, 68}},
                        {{39, 44}, {43, 49}},
                        {{45, 44}, {51, 41}}};

// Frames 0 to 2 carry the body on the near leg; 3 and 4 mirror 1 and 0 with
// the far leg leading, so the back-and-forth playback alternates the legs.
struct Frame {
  const Pose* pose;
  bool near_leads;
};

constexpr std::array<Frame, kFrames> kFrameTable{{
    {&kStride, true},
    {&kReach, true},
    {&kPassing, true},
    {&kReach, false},
    {&kStride, false},
}};

void DrawLeg(Canvas& sprite, Point hip, const Leg& leg, Ink cloth, Ink boot) {
  Canvas part(kSpriteSize, kSpriteSize);
  FillCapsule(part, hip, leg.knee, 3, cloth);
  FillCapsule(part, leg.knee, leg.ankle, 2, cloth);
  FillCapsule(part, leg.ankle, leg.toe, 2, boot);
  Lay(sprite, part);
}

void DrawArm(Canvas& sprite, Point shoulder, const Arm& arm, Ink sleeve, Ink skin) {
  Canvas part(kSpriteSize, kSpriteSize);
  FillCapsule(part, shoulder, arm.elbow, 2, sleeve);
  FillCapsule(part, arm.elbow, arm.hand, 2, skin);
  FillDisc(part, arm.hand.x, arm.hand.y, 2, skin);
  Lay(sprite, part);
}

void DrawTorso(Canvas& sprite, Point hip, Point shoulder) {
  Canvas part(kSpriteSize, kSpriteSize);
  FillCapsule(part, hip, shoulder, 6, Ink::Fire2);
  TintRect(part, hip.x - 7, hip.y - 1, 15, 3, Ink::Earth1);  // belt
  Lay(sprite, part);
}

// Headband tails stream back from the knot; `flutter` lifts or drops their ends.
void DrawHeadbandTails(Canvas& sprite, Point knot, int flutter) {
  Canvas part(kSpriteSize, kSpriteSize);
  const Point middle{knot.x - 7, knot.y + 1 - flutter};
  FillCapsule(part, knot, middle, 1, Ink::Fire4);
  DrawLine(part, middle, {middle.x - 6, middle.y + 2 + flutter}, Ink::Fire4);
  DrawLine(part, middle, {middle.x - 5, middle.y + 4 + flutter}, Ink::Fire4);
  Lay(sprite, part);
}

void DrawHead(Canvas& sprite, Point centre) {
  Canvas part(kSpriteSize, kSpriteSize);
  FillDisc(part, centre.x, centre.y, 8, Ink::Skin1);
  part.set(centre.x + 9, centre.y + 1, Ink::Skin1);  // nose
  // Hair: the crown above the headband and the back of the head down to the
  // nape, plus two spikes swept back by the wind.
  for (int dy = -9; dy <= 8; ++dy) {
    for (int dx = -9; dx <= 9; ++dx) {
      const bool crown = dy < -5;
      const bool back = dx < -4 + (dy > 2 ? (dy - 2) / 2 : 0) && dy < 5;
      const bool fringe = dy == -3 && dx > 1 && dx < 6;
      if (part.at(centre.x + dx, centre.y + dy) != Ink::Clear && (crown || back || fringe)) {
        part.set(centre.x + dx, centre.y + dy, Ink::Earth1);
      }
    }
  }
  for (const Point tip : {Point{centre.x - 13, centre.y - 6}, Point{centre.x - 12, centre.y}}) {
    const Point spike[] = {{centre.x - 6, centre.y - 7}, tip, {centre.x - 7, centre.y + 1}};
    FillPolygon(part, spike, Ink::Earth1);
  }
  TintRect(part, centre.x - 9, centre.y - 5, 19, 2, Ink::Fire4);  // headband
  Lay(sprite, part);
  // Eye, ear and mouth go on after shading so they keep their exact colours.
  sprite.set(centre.x + 5, centre.y - 1, Ink::Outline);
  sprite.set(centre.x + 5, centre.y, Ink::Outline);
  sprite.set(centre.x + 4, centre.y - 1, Ink::Snow2);
  sprite.set(centre.x + 6, centre.y + 4, Ink::Skin0);
  sprite.set(centre.x - 2, centre.y + 1, Ink::Skin0);
  sprite.set(centre.x - 2, centre.y + 2, Ink::Skin0);
}

Canvas DrawFrame(int index) {
  const Frame& frame = kFrameTable[static_cast<std::size_t>(index)];
  const Pose& pose = *frame.pose;
  const Point hip = pose.hip;
  const Point shoulder{hip.x + 7, hip.y - 15};  // leaning into the run
  const Point head{shoulder.x + 3, shoulder.y - 10};
  auto near_leg = &pose.lead_leg;
  auto far_leg = &pose.trail_leg;
  auto near_arm = &pose.lead_arm;
  auto far_arm = &pose.trail_arm;
  if (!frame.near_leads) {
    std::swap(near_leg, far_leg);
    std::swap(near_arm, far_arm);
  }
  Canvas sprite(kSpriteSize, kSpriteSize);
  // Far side first, a shade darker, then body, near side, head.
  DrawArm(sprite, shoulder, *far_arm, Ink::Fire1, Ink::Skin0);
  DrawLeg(sprite, hip, *far_leg, Ink::Navy0, Ink::Earth0);
  DrawHeadbandTails(sprite, {head.x - 8, head.y - 4}, index % 3 - 1);
  DrawTorso(sprite, hip, shoulder);
  DrawLeg(sprite, hip, *near_leg, Ink::Navy2, Ink::Earth1);
  DrawHead(sprite, head);
  DrawArm(sprite, shoulder, *near_arm, Ink::Fire2, Ink::Skin1);
  return sprite;
}

}  // namespace

Animation DrawRunner() {
  return Animate(DrawFrame);
}

}  // namespace datagen
