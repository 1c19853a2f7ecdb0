#pragma once

#include <functional>
#include <memory>

#include "media/directx/frame_view.h"
#include "media/platform/platform.h"

namespace ridgeline {

// How the game's window opens and behaves.
struct WindowSettings {
  bool windowed = false;  // a window, else the desktop's full screen
  long scale = 0;         // the window as a multiple of 640 x 480; 0: the largest that fits
  bool autopause = true;  // pause while the window is away
};

// What the desktop's keys ask of the program around the window.
struct WindowHooks {
  std::function<void(bool fullScreen)> fullScreenChanged;    // Alt+Enter, F11
  std::function<void()> muteToggled;                         // F9
  std::function<void(const FrameView& picture)> screenshot;  // F12: the picture last shown
  std::function<void(bool paused)> pauseChanged;             // the sound waits too
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
