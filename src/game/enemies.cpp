#include "game/enemies.h"

#include <cmath>

#include "game/random.h"
#include "game/state.h"

namespace ridgeline {

namespace {

// The wave's phase in radians, with the game's own ten-digit pi.
double WaveRadians() {
  return (Game.WaveAngle * 3.141592654) / 180;
}

}  // namespace

void SpawnEnemy(int i) {
  EnemyRow& enemy = Game.Enemy(i);
  Randomize(ClockReading());
  enemy.a = Rnd();
  enemy.b = Rnd();
  // Single precision throughout for x; y mixes 300 x B (single) with the
  // double wave term.
  enemy.x = 3000.0f * enemy.a + 1280.0f;
  enemy.y = (static_cast<double>(300.0f * enemy.b) + WaveOffset(WaveRadians())) + 50;
}

void MoveEnemies() {
  GameVariables& g = Game;
  for (int i = 0; i <= kLastEnemy; ++i) {
    EnemyRow& enemy = g.Enemy(i);
    enemy.x = enemy.x - 5.0f;
    enemy.y = (static_cast<double>(300.0f * enemy.b) + WaveOffset(WaveRadians())) + 50;
    if (enemy.x <= 0) SpawnEnemy(i);
  }
  g.WaveAngle = g.WaveAngle < 360 ? g.WaveAngle + 1 : 0;
}

double WaveOffset(double angle) {
  return std::sin(angle) * 50.0;
}

void UpdateEnemyVisibility() {
  for (int i = 0; i <= kLastEnemy; ++i) {
    const float x = Game.Enemy(i).x;
    Game.EnemyVisible(i) = x < 640 && x > 0;
  }
}

void CheckPlayerContact() {
  GameVariables& g = Game;
  for (int i = 0; i <= kLastEnemy; ++i) {
    if (!g.EnemyVisible(i)) continue;
    const float ex = g.Enemy(i).x;
    const double ey = g.Enemy(i).y;
    if (ex + 60 > g.PlayerX && ex < g.PlayerX + 60 && ey + 60 > g.PlayerY && ey < g.PlayerY + 60) {
      g.GameState = GameState::GameOver;
    }
  }
}

}  // namespace ridgeline
