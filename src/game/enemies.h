#pragma once

namespace ridgeline {

// The eleven enemies: placed far to the right, flying left on one shared wave.

void SpawnEnemy(int i);
void MoveEnemies();
// The wave's vertical displacement for an angle in radians.
double WaveOffset(double angle);
void UpdateEnemyVisibility();
// Ends the game (GameState::GameOver) when an enemy on screen overlaps the player.
void CheckPlayerContact();

}  // namespace ridgeline
