#pragma once

#include <string>

#include "media/directx/ddraw_types.h"
#include "media/directx/frame_view.h"

namespace ridgeline {

// One input event of the game's window, in the terms its handlers take.
struct WindowEvent {
  enum class Kind { KeyDown, KeyUp, MouseDown, Close };
  Kind kind = Kind::KeyDown;
  int keyCode = 0;  // the platform's virtual-key code (8, 13, 27, 32, 37..40, 48..57, 65..90, ...)
  int shift = 0;    // modifier state: 1 Shift, 2 Ctrl, 4 Alt
  int button = 0;   // mouse button: 1 left, 2 right, 4 middle
};

// The window, the screen and the pointer, as one driver per platform: SDL for
// play, headless for tests and scripted runs. The display objects call it; it
// never calls the game.
class VideoDriver {
 public:
  virtual ~VideoDriver() = default;

  // Shows the game's window holding its label, before the display takes over.
  virtual void ShowWindow(const std::string& label) = 0;
  virtual HWND WindowHandle() const = 0;
  // Names the window in the desktop's title bar, now or once it opens.
  virtual void SetTitle(const std::string& title) = 0;

  // Gives the screen to the game's window, or hands it back to the desktop.
  virtual void SetFullScreen(bool fullScreen) = 0;

  // Shows a finished 640 x 480 frame, then waits until the next frame may
  // start: the game's only pacing.
  virtual void Present(const FrameView& frame) = 0;

  virtual void ShowCursor(bool show) = 0;

  // Takes the next pending event of the window, if there is one.
  virtual bool PollEvent(WindowEvent& event) = 0;
};

}  // namespace ridgeline
