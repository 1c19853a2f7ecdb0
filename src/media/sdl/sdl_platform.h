#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "media/directx/frame_view.h"
#include "media/platform/platform.h"
#include "media/sdl/controls.h"

namespace ridgeline {

// How the game's window opens and behaves: what the player can change in
// its pause menu, and whether it has one.
struct WindowSettings {
  bool windowed = false;  // a window, else the desktop's full screen
  long scale = 0;         // the window as a multiple of 640 x 480; 0: the largest that fits
  bool autopause = true;  // pause while the window is away
  int volume = 100;       // 0 to 100
  bool muted = false;
  Controls controls = DefaultControls();
  // Play at the window: Escape, a click and the pad's Back open the pause
  // menu. Without it (scripted runs, watching a game) they reach the game.
  bool menu = false;
};

// What the desktop's keys and the pause menu ask of the program around the
// window.
struct WindowHooks {
  // A setting changed (F9, F11, Alt+Enter, the menu): `now` is all of them.
  std::function<void(const WindowSettings& now)> settingsChanged;
  std::function<void(const FrameView& picture)> screenshot;  // F12: the picture last shown
  std::function<void(bool paused)> pauseChanged;             // the sound waits too
  // The best games kept, best first, each as its rank and score, and its date.
  std::function<std::vector<std::pair<std::string, std::string>>()> bestGames;
  // The player chose best game `rank` (1: the best) to watch once this game
  // has ended.
  std::function<void(int rank)> watch;
  // The player chose to send best game `rank` to the score board: the line
  // that says how it went. The board answers after it has played the game.
  std::function<std::string(int rank)> submit;
};

// SDL's window and sound device as one platform. Without `withSound` no sound
// device is opened at all: the sounds then follow the frames shown unheard,
// as in a headless run.
Platform MakeSdlPlatform(const WindowSettings& settings, WindowHooks hooks = {},
                         bool withSound = true);

// `video` with SDL's sound device, or, without `withSound`, with sounds that
// follow the frames shown unheard.
Platform WithSdlSound(std::unique_ptr<VideoDriver> video, bool withSound);

}  // namespace ridgeline
