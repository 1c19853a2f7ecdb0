#pragma once

namespace ridgeline {

// The player's shots, their hits on enemies, the score and the explosions.

// Fires a shot from the player's position when fewer than five are in flight.
void FireShot();
void MoveShots();
void CheckShotHits();
void DrawExplosions();

}  // namespace ridgeline
