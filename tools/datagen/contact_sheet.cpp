#include "contact_sheet.h"

#include <algorithm>
#include <vector>

#include "background.h"

namespace datagen {
namespace {

constexpr int kGap = 8;
constexpr int kSheetWidth = 2 * kScreenWidth + 3 * kGap;

// A play screen as the game composes it: background, shot, runner, flyers,
// an explosion, then the floor along the bottom.
Canvas DrawPlayScene(const Artwork& art) {
  Canvas scene = art.background;
  constexpr int kRunnerX = 100;
  constexpr int kGround = 323;
  scene.Paste(art.bolt, kRunnerX + 80 + 60, kGround);
  scene.Paste(art.runner[1], kRunnerX, kGround);
  scene.Paste(art.runner[4], kRunnerX + 180, kGround - 150);
  for (int i = 0; i < kFrames; ++i) scene.Paste(art.flyer[i], 300 + 50 * i, 60 + 45 * i);
  scene.Paste(art.explosion[1], 470, 250);
  scene.Paste(art.explosion[3], 550, 300);
  for (int x = 0; x < kScreenWidth; x += kSpriteSize) scene.Paste(art.tile, x, kFloorTop);
  return scene;
}

struct Placement {
  const Canvas* picture;
  Point at;
  bool checker;  // show clear pixels as a checkerboard
};

// Places pictures left to right, starting a new row when one would not fit.
class Flow {
 public:
  void Place(const Canvas& picture, bool checker) {
    if (x_ + picture.width() + kGap > kSheetWidth) NewRow();
    placements_.push_back({&picture, {x_, y_}, checker});
    x_ += picture.width() + kGap;
    row_height_ = std::max(row_height_, picture.height());
  }

  void NewRow() {
    x_ = kGap;
    y_ += row_height_ + kGap;
    row_height_ = 0;
  }

  Canvas Render() const {
    Canvas sheet(kSheetWidth, y_ + row_height_ + kGap, Ink::Grey0);
    for (const auto& [picture, at, checker] : placements_) {
      if (checker) {
        for (int y = 0; y < picture->height(); ++y) {
          for (int x = 0; x < picture->width(); ++x) {
            sheet.set(at.x + x, at.y + y, (x / 8 + y / 8) % 2 ? Ink::Grey2 : Ink::Grey1);
          }
        }
      }
      sheet.Paste(*picture, at.x, at.y);
    }
    return sheet;
  }

 private:
  std::vector<Placement> placements_;
  int x_ = kGap;
  int y_ = kGap;
  int row_height_ = 0;
};

}  // namespace

Canvas DrawContactSheet(const Artwork& art) {
  const Canvas scene = DrawPlayScene(art);
  Flow flow;
  flow.Place(scene, false);
  flow.Place(art.background, false);
  flow.NewRow();
  flow.Place(art.title, true);
  flow.Place(art.logo, true);
  flow.NewRow();
  for (const Animation* animation : {&art.runner, &art.flyer, &art.explosion}) {
    for (const Canvas& frame : *animation) flow.Place(frame, true);
  }
  flow.Place(art.bolt, true);
  flow.Place(art.tile, true);
  return flow.Render();
}

}  // namespace datagen
