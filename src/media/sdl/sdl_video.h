#pragma once

#include <SDL.h>

#include "media/video_driver.h"

// The game's window, screen and pointer over SDL: desktop full screen (the
// monitor's mode is never switched) or a window, with the 640 x 480 picture
// scaled to fit, nearest-neighbour, and frames paced at 60 per second.
class SdlVideo : public VideoDriver {
 public:
  struct Settings {
    bool windowed = false;
  };

  explicit SdlVideo(Settings settings) : settings_(settings) {}
  ~SdlVideo() override;

  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return window_ ? SDL_GetWindowID(window_) : 0; }
  void SetCooperativeLevel(HWND window, long flags) override;
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void RestoreDisplayMode() override;
  void Present(const SDL_Surface& frame) override;
  void ShowCursor(bool show) override;
  bool PollEvent(WindowEvent& event) override;

 private:
  void WaitForNextFrame();

  Settings settings_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Uint64 nextFrame_ = 0;
};
