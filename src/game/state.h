#pragma once

#include <cstdint>
#include <string>

#include "common/table.h"

namespace ridgeline {

// One row of the Enemy table: x is single precision, as is the arithmetic
// that moves it; y is a double, since the wave term is one.
struct EnemyRow {
  float x = 0;   // left edge of the 80 x 80 sprite
  double y = 0;  // top edge
  float a = 0;   // random number that fixed the start distance
  float b = 0;   // random number that fixes the base height
};

struct ShotRow {
  int x = 0;     // whole: the player's x plus 80, then steps of 10
  double y = 0;  // the player's height when fired, fractional during a jump
};

struct ExplosionRow {
  float x = 0;  // copied from the destroyed enemy, then drifts left
  double y = 0;
};

// The screen the game is on; the numbers are those that traces print.
enum class GameState : int { Splash = 0, Play = 1, GameOver = 2, Title = 3 };

// The last indices of the game's tables, which all start at 0: eleven
// enemies, thirty-one shot slots, eleven explosions.
constexpr int kLastEnemy = 10;
constexpr int kLastShot = 30;
constexpr int kLastExplosion = 10;

// Every variable of the game, by name. There is one instance, Game; the
// routines of the game world, the screens and the input handlers share it.
struct GameVariables {
  bool Running = false;
  // Qualified: the variable takes the name of its type.
  ridgeline::GameState GameState = ridgeline::GameState::Splash;
  std::string MidiPath;

  int PlayerX = 0;
  double PlayerY = 0;
  int PlayerSpeed = 0;
  int PlayerFrame = 0;
  int AnimTick = 0;
  bool AnimReverse = false;
  bool Jumping = false;
  double JumpVelocity = 0;

  std::int32_t BgOffset = 0;
  int ScrollStep = 0;
  std::int32_t ScreenWidth = 0;
  std::int32_t ScreenHeight = 0;
  int WaveAngle = 0;

  bool ShotsActive = false;
  int ShotSlot = 0;
  int ShotCount = 0;
  int ExplosionSlot = 0;
  std::int64_t Score = 0;  // grows without limit in a long game

  std::int64_t SplashTicks = 0;
  std::int64_t GameOverTicks = 0;

  Table<EnemyRow, kLastEnemy> Enemy;
  Table<bool, kLastEnemy> EnemyVisible;
  Table<ShotRow, kLastShot> Shot;
  Table<bool, kLastShot> ShotAlive;
  Table<int, kLastShot> ShotHits;
  Table<ExplosionRow, kLastExplosion> Explosion;
  Table<bool, kLastExplosion> ExplosionActive;
  Table<int, kLastExplosion> ExplosionTimer;
};

extern GameVariables Game;

// Gives every game variable its start value, except GameState, which the
// callers set after placing the enemies. Needs the display: the screen size is
// read from the back buffer's description.
void ResetGame();

}  // namespace ridgeline
