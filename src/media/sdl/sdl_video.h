#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "media/sdl/frame_pacer.h"
#include "media/sdl/presenter.h"
#include "media/sdl/viewport.h"
#include "media/video_driver.h"

namespace ridgeline {

// The game's window, screen and pointer over SDL: desktop full screen (the
// monitor's mode is never switched) or a resizable window, the 640 x 480
// picture scaled by whole factors where they fit, nearest-neighbour, and 60
// frames a second on every monitor.
class SdlVideo : public VideoDriver {
 public:
  struct Settings {
    bool windowed = false;
    long scale = 0;  // the window as a multiple of 640 x 480; 0: the largest that fits
  };

  explicit SdlVideo(Settings settings) : settings_(settings) {}
  ~SdlVideo() override;

  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return window_ ? SDL_GetWindowID(window_) : 0; }
  void SetTitle(const std::string& title) override;
  void SetFullScreen(bool fullScreen) override;
  void Present(const FrameView& frame) override;
  void ShowCursor(bool show) override;
  bool PollEvent(WindowEvent& event) override;

 private:
  // Shows the window's label until the first frame replaces it.
  void ShowLabel();

  Settings settings_;
  std::string label_;
  std::string title_;  // empty: the title the window opens with
  SDL_Window* window_ = nullptr;
  std::unique_ptr<Presenter> presenter_;
  std::unique_ptr<FramePacer> pacer_;
};

}  // namespace ridgeline
