#include "shell/input.h"

#include "game/shots.h"
#include "game/state.h"
#include "shell/frame_loop.h"
#include "shell/shutdown.h"

namespace ridgeline {

void OnKeyDown(int keyCode, int /*shift*/) {
  GameVariables& g = Game;
  if (keyCode == kKeyEscape) ShutDown();

  // One press acts in one state only: the playing and game-over steps leave
  // only by ending or restarting, and the title's step comes last, so the key
  // that starts play is not also a playing key.
  if (g.GameState == GameState::Play) {
    switch (keyCode) {
      case kKeyLeft:
        g.PlayerSpeed = -4;
        break;
      case kKeyRight:
        g.PlayerSpeed = 4;
        break;
      case kKeySpace:
        FireShot();
        break;
      case kKeyUp:
        g.Jumping = true;
        break;
      case kKeyEscape:
      case kKeyBackspace:
        ShutDown();
    }
  }
  if (g.GameState == GameState::GameOver) {
    if (keyCode == kKeyEscape || keyCode == kKeyBackspace) ShutDown();
    // A key pressed too early is dropped, not remembered.
    if (g.GameOverTicks > 50) RestartGame();
  }
  if (g.GameState == GameState::Title) g.GameState = GameState::Play;
}

void OnKeyUp(int keyCode, int /*shift*/) {
  if (Game.GameState == GameState::Play && (keyCode == kKeyRight || keyCode == kKeyLeft))
    Game.PlayerSpeed = 0;
}

void OnMouseDown(int /*button*/, int /*shift*/) {
  ShutDown();
}

bool EndsTheGame(const WindowEvent& event) {
  return event.kind == WindowEvent::Kind::Close || event.kind == WindowEvent::Kind::MouseDown ||
         (event.kind == WindowEvent::Kind::KeyDown && event.keyCode == kKeyEscape);
}

}  // namespace ridgeline
