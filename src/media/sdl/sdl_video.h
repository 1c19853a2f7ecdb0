#pragma once

#include <SDL.h>

#include <deque>
#include <memory>
#include <set>
#include <string>

#include "media/directx/surface.h"
#include "media/platform/video_driver.h"
#include "media/sdl/frame_pacer.h"
#include "media/sdl/presenter.h"
#include "media/sdl/sdl_pads.h"
#include "media/sdl/sdl_platform.h"
#include "media/sdl/sdl_window.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

// The game's window, screen and pointer over SDL: desktop full screen (the
// monitor's mode is never switched) or a resizable window, the 640 x 480
// picture scaled by whole factors where they fit, nearest-neighbour, and 60
// frames a second on every monitor.
//
// The desktop's own keys (PlatformKeyOf) act here and never reach the game.
// While the window is away (focus lost or minimised) or the player pauses,
// no event that would move the game on is handed out: PollEvent waits, the
// passes stop, and the window shows the last picture dimmed under "PAUSED".
// The game pads' buttons come out as keys (SdlPads).
class SdlVideo : public VideoDriver {
 public:
  using Settings = WindowSettings;
  using Hooks = WindowHooks;

  explicit SdlVideo(Settings settings, Hooks hooks = {})
      : settings_(settings), hooks_(std::move(hooks)) {}
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
  // Acts on one SDL event, queueing what it means to the game.
  void Take(const SDL_Event& e);
  // Whether a key event is the desktop's, acting on it if it is.
  bool TakePlatformKey(const SDL_KeyboardEvent& key);
  void TakeWindowEvent(const SDL_WindowEvent& window);
  void Hand(const WindowEvent& event);
  // Alt+Enter, F11: between the desktop's full screen and a window.
  void SwitchFullScreen(bool on);
  bool Paused() const { return pausedByHand_ || (settings_.autopause && (away_ || minimised_)); }
  void ShowPaused();

  Settings settings_;
  Hooks hooks_;
  std::string label_;
  std::string title_;  // empty: the title the window opens with
  SDL_Window* window_ = nullptr;
  WindowSize windowSize_;
  std::unique_ptr<Presenter> presenter_;
  std::unique_ptr<FramePacer> pacer_;
  std::unique_ptr<SdlPads> pads_;
  std::deque<WindowEvent> toGame_;
  std::set<SDL_Keycode> platformKeysDown_;  // so that their releases are the desktop's too
  SdlSurfacePtr lastFrame_;                 // for the pause and for screenshots
  bool pausedByHand_ = false;
  bool away_ = false;
  bool minimised_ = false;
  bool showingPause_ = false;
};

}  // namespace ridgeline
