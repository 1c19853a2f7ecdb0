#pragma once

#include <SDL.h>

#include <deque>
#include <memory>
#include <string>

#include "media/platform/platform.h"
#include "media/platform/video_driver.h"
#include "media/sdl/sdl_pads.h"

namespace ridgeline {

// The game's window as a web page's canvas, through SDL's Emscripten
// backend: a 640 x 480 canvas that the page scales by whole factors, each
// frame converted straight into its pixels, which the page can read back. Nothing
// here waits: the page's main loop paces the passes, and pauses them while
// the page is hidden. Full screen is the page's own button, so the game's
// display mode changes nothing; the desktop's keys (full screen, mute,
// screenshot, pause) do nothing here, and never reach the game. Pads come in
// through the browser's gamepads, mapped as on the desktop.
class CanvasVideo : public VideoDriver {
 public:
  ~CanvasVideo() override;

  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return window_ ? SDL_GetWindowID(window_) : 0; }
  // The page's title, where the desktop shows the window's.
  void SetTitle(const std::string& title) override;
  void SetFullScreen(bool) override {}
  void Present(const FrameView& frame) override;
  void ShowCursor(bool show) override;
  bool PollEvent(WindowEvent& event) override;

 private:
  SDL_Window* window_ = nullptr;
  std::unique_ptr<SdlPads> pads_;
  // The key events that a pad's event made, handed out one a call.
  std::deque<WindowEvent> fromPads_;
  std::string title_ = "Ridgeline";
};

// The canvas with SDL's sound device, or, without `withSound`, with sounds
// that follow the frames shown unheard, as in a headless run.
Platform MakeCanvasPlatform(bool withSound);

}  // namespace ridgeline
