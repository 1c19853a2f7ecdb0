#pragma once

#include <SDL.h>

#include <deque>
#include <memory>
#include <string>

#include "media/directx/surface.h"
#include "media/menu/notice.h"
#include "media/menu/window_menu.h"
#include "media/platform/platform.h"
#include "media/platform/video_driver.h"
#include "media/sdl/sdl_pads.h"
#include "media/sdl/sdl_platform.h"

namespace ridgeline {

// The game's window as a web page's canvas, through SDL's Emscripten
// backend: a 640 x 480 canvas that the page scales by whole factors, each
// frame converted straight into its pixels, which the page can read back. Nothing
// here waits: the page's main loop paces the passes, and pauses them while
// the page is hidden or the pause menu is open (Held). Full screen is the
// page's own button, so the game's display mode changes nothing; the
// desktop's keys (full screen, mute, screenshot, pause) do nothing here, and
// never reach the game. Pads come in through the browser's gamepads, mapped
// as on the desktop. The pause menu and notices are drawn on the canvas
// only, never into a frame.
class CanvasVideo : public VideoDriver {
 public:
  CanvasVideo(WindowSettings settings, WindowHooks hooks)
      : settings_(std::move(settings)), hooks_(std::move(hooks)) {}
  ~CanvasVideo() override;

  void ShowWindow(const std::string& label) override;
  HWND WindowHandle() const override { return window_ ? SDL_GetWindowID(window_) : 0; }
  // The page's title, where the desktop shows the window's.
  void SetTitle(const std::string& title) override;
  void SetFullScreen(bool) override {}
  void Present(const FrameView& frame) override;
  void ShowCursor(bool show) override;
  void ShowNotice(const std::string& text) override;
  bool PollEvent(WindowEvent& event) override;
  bool Held() override;

 private:
  bool MenuOpen() const { return menu_ && menu_->IsOpen(); }
  // Acts on one SDL event; true when it gave the game `event`.
  bool Take(const SDL_Event& e, WindowEvent& event);
  void TakeInMenu(const SDL_Event& e);
  // Queues a pad's key for the game, or opens the menu for its Back.
  void Hand(const WindowEvent& event);
  void OpenMenu(SDL_Keycode key);
  void CloseMenu();
  // The last frame dimmed under the menu, on the canvas.
  void ShowHeld();

  WindowSettings settings_;
  WindowHooks hooks_;
  SDL_Window* window_ = nullptr;
  std::unique_ptr<SdlPads> pads_;
  std::string title_ = "Ridgeline";
  std::unique_ptr<WindowMenu> menu_;  // null: Escape and clicks reach the game
  Notice notice_;
  SdlSurfacePtr lastFrame_;         // for the menu to lie over
  std::deque<WindowEvent> toGame_;  // queued for the game: the menu's Escape, releases, pad keys
  bool cursorShown_ = true;
};

// The canvas with SDL's sound device, or, without `withSound`, with sounds
// that follow the frames shown unheard, as in a headless run. With `menu`
// (play, not a script), Escape and a click open the pause menu, which lists
// the games `best` gives; `watch` hears which one the player chose to watch.
Platform MakeCanvasPlatform(bool withSound, bool menu, PauseMenu::BestGames best,
                            std::function<void(int rank)> watch);

}  // namespace ridgeline
