#pragma once

namespace ridgeline {

// The four screens, one per GameState. Each composes one complete picture in
// the back buffer and ends by flipping it to the screen.

void SplashFrame();    // 0: the studio logo for 101 frames
void PlayFrame();      // 1: the game itself
void GameOverFrame();  // 2: the final score
void TitleFrame();     // 3: until a key is pressed
// The strip of floor tiles under the play screen.
void DrawFloor();

}  // namespace ridgeline
