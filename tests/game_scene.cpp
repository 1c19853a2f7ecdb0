#include "game_scene.h"

#include "fixture_data.h"
#include "game/state.h"
#include "screens/screens.h"

namespace ridgeline {

namespace {

constexpr float kFarRight = 4000;

}  // namespace

PlayScene::PlayScene() {
  StartUp();
  Game.GameState = GameState::Play;
  for (int i = 0; i <= kLastEnemy; ++i) PlaceEnemy(i, kFarRight, 0);
}

void PlayScene::PlaceEnemy(int i, float x, float b) {
  Game.Enemy(i).x = x;
  Game.Enemy(i).b = b;
  Game.Enemy(i).y = static_cast<double>(300.0f * b) + 50;
}

void PlayScene::PlaceShot(int i, int x, double y) {
  Game.Shot(i) = ShotRow{x, y};
  Game.ShotAlive(i) = true;
  Game.ShotHits(i) = 0;
  Game.ShotCount = Game.ShotCount + 1;
  Game.ShotsActive = true;
}

void PlayScene::PlayFrames(int n) {
  for (int i = 0; i < n && Game.GameState == GameState::Play; ++i) PlayFrame();
}

std::pair<int, int> PlayScene::FindBlock(int kind, int frame) {
  const unsigned colour = FixtureSpriteColour(kind, frame);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (Pixel(x, y) == colour) return {x, y};
    }
  }
  return {-1, -1};
}

bool PlayScene::BlockAt(int kind, int frame, int x, int y) {
  const unsigned colour = FixtureSpriteColour(kind, frame);
  return Pixel(x, y) == colour && Pixel(x + 9, y + 9) == colour &&
         (x == 0 || Pixel(x - 1, y) != colour) && (y == 0 || Pixel(x, y - 1) != colour);
}

}  // namespace ridgeline
