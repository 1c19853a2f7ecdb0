#pragma once

namespace ridgeline {

// The four screens, one per GameState. Each composes one complete picture in
// the back buffer and ends by flipping it to the screen.

void SplashFrame();    // Splash: the studio logo for 101 frames
void PlayFrame();      // Play: the game itself
void GameOverFrame();  // GameOver: the final score
void TitleFrame();     // Title: until a key is pressed
// The strip of floor tiles under the play screen.
void DrawFloor();

}  // namespace ridgeline
