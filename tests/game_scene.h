#pragma once

#include <utility>

#include "headless_game.h"

namespace ridgeline {

// A game in the middle of play on the headless drivers, with the enemies out
// of the way, so that a test can set up exactly the scene it needs and run
// single routines or whole play frames on it.
class PlayScene : public HeadlessGame {
 public:
  // Start-up done, GameState::Play, every enemy parked far to the right.
  PlayScene();

  // Puts enemy i at x with base-height number b; with WaveAngle 0 its y in
  // the next frame is 300 x b + 50 (after MoveEnemies has taken 5 off x).
  static void PlaceEnemy(int i, float x, float b);
  // Puts a live shot into slot i at (x, y) as FireShot would leave it.
  static void PlaceShot(int i, int x, double y);
  // Runs n complete play frames (stopping early if the game ends).
  static void PlayFrames(int n);
  // Where the back buffer shows the 10 x 10 block of the fixture's sprite
  // (kind, frame): the top-left corner of the first one found, row by row, or
  // (-1, -1) when none is shown.
  static std::pair<int, int> FindBlock(int kind, int frame);
  // Whether such a block is shown with its top-left corner at (x, y).
  static bool BlockAt(int kind, int frame, int x, int y);
};

}  // namespace ridgeline
