#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_game.h"
#include "game/enemies.h"
#include "game/state.h"
#include "screens/screens.h"
#include "shell/frame_loop.h"

using namespace ridgeline;

namespace {

constexpr int kShots = 5;
constexpr int kEnemies = kLastEnemy + 1;
constexpr int kExplosions = kLastExplosion + 1;
constexpr int kFloorTilesShown = 8;

// The busiest play frame there can be: the background in two copies, five
// shots, the player, all eleven enemies and eleven explosions on screen, the
// floor and the score. No shot meets an enemy, so that every frame of the
// benchmark draws the same.
void SetUpBusiestFrame() {
  ResetGame();
  GameVariables& g = Game;
  g.Running = true;
  g.GameState = GameState::Play;
  g.ScrollStep = -2;
  g.BgOffset = -320;  // the picture's seam in the middle of the screen
  g.Score = 1234500;
  for (int i = 0; i < kEnemies; ++i) {
    g.Enemy(i).x = 60.0f + 50.0f * static_cast<float>(i);
    g.Enemy(i).b = 0.6f;  // flying at 180 to 280, clear of the shots
    g.Enemy(i).a = 0.5f;
  }
  g.ShotsActive = true;
  g.ShotCount = kShots;
  g.ShotSlot = kShots - 1;
  for (int i = 0; i < kShots; ++i) {
    g.ShotAlive(i) = true;
    g.Shot(i).x = 180 + 90 * i;
    g.Shot(i).y = 20;
  }
  for (int i = 0; i < kExplosions; ++i) {
    g.ExplosionActive(i) = true;
    g.ExplosionTimer(i) = i % 5;
    g.Explosion(i).x = 10.0f + 50.0f * static_cast<float>(i);
    g.Explosion(i).y = 60 + 10 * i;
  }
}

// The bytes that the frame's copies write into the back buffer: the whole
// background, then an 80 x 80 rectangle for each sprite drawn.
constexpr std::size_t kPictureBytes = 640 * 480 * 2;
constexpr std::size_t kSpriteBytes = 80 * 80 * 2;
constexpr std::size_t kFrameBytes =
    kPictureBytes + (kShots + 1 + kEnemies + kExplosions + kFloorTilesShown) * kSpriteBytes;

void PlayFrameBusiest(benchmark::State& state) {
  BenchGame game;
  BringUpGame();
  SetUpBusiestFrame();
  const GameVariables busiest = Game;
  for (auto _ : state) {
    // The frame moves everything on; each one starts from the same state.
    Game = busiest;
    PlayFrame();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(PlayFrameBusiest)->Unit(benchmark::kMicrosecond);

// The physical reference: one plain copy of as many bytes as the frame
// writes, between buffers as large as the frame's.
void CopyFrameBytes(benchmark::State& state) {
  std::vector<unsigned char> from(kFrameBytes, 1);
  std::vector<unsigned char> to(kFrameBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kFrameBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(CopyFrameBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
