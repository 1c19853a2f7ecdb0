#pragma once

namespace ridgeline {

// The player's movement on the play screen: the world scrolls past, the player
// runs within the screen, jumps and cycles through its five pictures.

// Paints the whole back buffer with the wrapped background and advances the scroll.
void ScrollBackground();
// One frame of a jump from height y; returns the new height. Lets the window
// process its pending events before it returns.
double JumpStep(double y);
void MovePlayer();
void AnimatePlayer();

}  // namespace ridgeline
