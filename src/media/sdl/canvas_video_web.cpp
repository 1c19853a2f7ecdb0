#include "media/sdl/canvas_video.h"

#include <emscripten.h>

#include <vector>

#include "common/key_codes.h"
#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"
#include "media/menu/menu_picture.h"
#include "media/sdl/sdl_keys.h"
#include "media/sdl/sdl_platform.h"
#include "media/sdl/sdl_window.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

RunTimeError Failure(const std::string& what) {
  return RunTimeError(what + ": " + SDL_GetError());
}

}  // namespace

CanvasVideo::~CanvasVideo() {
  pads_.reset();
  if (window_) SDL_DestroyWindow(window_);
}

void CanvasVideo::ShowWindow(const std::string& label) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Failure("no canvas");
  // Not resizable: SDL would then size the canvas to the browser's window,
  // where the page scales it by whole factors.
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             kPictureWidth, kPictureHeight, 0);
  if (!window_) throw Failure("cannot use the page's canvas");
  // Plain pixels that SDL puts on the canvas, not a texture of a renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (!SDL_GetWindowSurface(window_)) throw Failure("cannot draw on the page's canvas");
  pads_ = std::make_unique<SdlPads>(settings_.controls);
  if (settings_.menu) menu_ = std::make_unique<WindowMenu>(settings_, true, hooks_.bestGames);
  Present(ViewOf(*LabelPicture(label)));
}

void CanvasVideo::SetTitle(const std::string& title) {
  title_ = title;
  if (window_) SDL_SetWindowTitle(window_, title_.c_str());
}

void CanvasVideo::Present(const FrameView& frame) {
  SDL_Surface* canvas = SDL_GetWindowSurface(window_);
  SDL_ConvertPixels(frame.width, frame.height, SdlPixelFormat(frame.format), frame.pixels,
                    frame.pitch, canvas->format->format, canvas->pixels, canvas->pitch);
  // Kept for the menu to lie over, without any notice: a copy in the game's
  // own format, which costs a fraction of a conversion from the canvas's.
  if (menu_) KeepFrame(frame, lastFrame_);
  notice_.Draw(*canvas);
  SDL_UpdateWindowSurface(window_);
  // The page shows the canvas enlarged, on a canvas of its own.
  EM_ASM(Module['pictureChanged']());
}

void CanvasVideo::ShowCursor(bool show) {
  cursorShown_ = show;
  if (!MenuOpen()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void CanvasVideo::ShowNotice(const std::string& text) {
  notice_.Show(text);
}

bool CanvasVideo::PollEvent(WindowEvent& event) {
  SDL_Event e;
  while (toGame_.empty() && !MenuOpen() && SDL_PollEvent(&e) == 1) {
    std::vector<WindowEvent> made;
    if (pads_ && pads_->Take(e, made)) {
      for (const WindowEvent& fromPad : made) Hand(fromPad);
      continue;
    }
    if (Take(e, event)) return true;
  }
  // Open, the menu takes the events that follow, as Held does.
  if (MenuOpen()) Held();
  if (toGame_.empty()) return false;
  event = toGame_.front();
  toGame_.pop_front();
  return true;
}

void CanvasVideo::Hand(const WindowEvent& event) {
  // The pad's Back opens the menu where there is one, as Escape does.
  if (menu_ && event.kind == WindowEvent::Kind::KeyDown && event.keyCode == kKeyEscape) {
    if (!MenuOpen()) OpenMenu(SDLK_UNKNOWN);
    return;
  }
  toGame_.push_back(event);
}

bool CanvasVideo::Take(const SDL_Event& e, WindowEvent& event) {
  const bool key = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
  if (key && PlatformKeyOf(e.key.keysym.sym, e.key.keysym.mod) != PlatformKey::None) return false;
  if (!GameEventOf(e, event)) return false;
  if (key) {
    if (menu_ && menu_->TakesRelease(e)) return false;
    event.keyCode = GameKeyCode(settings_.controls, e.key.keysym.sym);
  }
  const bool escape = e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE;
  if (menu_ && (escape || e.type == SDL_MOUSEBUTTONDOWN)) {
    // Escape held after it closed the menu does not open it again.
    if (!escape || !e.key.repeat) OpenMenu(escape ? SDLK_ESCAPE : SDLK_UNKNOWN);
    return false;
  }
  return true;
}

bool CanvasVideo::Held() {
  SDL_Event e;
  while (MenuOpen() && SDL_PollEvent(&e) == 1) TakeInMenu(e);
  return MenuOpen();
}

void CanvasVideo::TakeInMenu(const SDL_Event& e) {
  const auto outcome = menu_->Take(e, window_);
  if (!outcome) {
    // A key let go that the game holds is still the game's.
    WindowEvent event;
    if (e.type == SDL_KEYUP && GameEventOf(e, event)) {
      event.keyCode = GameKeyCode(settings_.controls, e.key.keysym.sym);
      toGame_.push_back(event);
    }
    return;
  }
  // The pads still see a press, so that its release matches it.
  std::vector<WindowEvent> ignored;
  if (e.type == SDL_CONTROLLERBUTTONDOWN && pads_) pads_->Take(e, ignored);
  switch (*outcome) {
    case MenuOutcome::None:
    case MenuOutcome::Submit:  // the page's own buttons send games to a board
      break;
    case MenuOutcome::Resume:
      return CloseMenu();
    case MenuOutcome::Watch:
    case MenuOutcome::Quit:
      toGame_.push_back(EscapeFromMenu(*outcome, *menu_, hooks_.watch));
      return CloseMenu();
    case MenuOutcome::Changed:
      if (hooks_.settingsChanged) hooks_.settingsChanged(settings_);
      break;
  }
  ShowHeld();
}

void CanvasVideo::OpenMenu(SDL_Keycode key) {
  menu_->Open(key);
  SDL_ShowCursor(SDL_ENABLE);
  if (hooks_.pauseChanged) hooks_.pauseChanged(true);
  ShowHeld();
}

void CanvasVideo::CloseMenu() {
  menu_->Close();
  SDL_ShowCursor(cursorShown_ ? SDL_ENABLE : SDL_DISABLE);
  if (hooks_.pauseChanged) hooks_.pauseChanged(false);
  if (lastFrame_) Present(ViewOf(*lastFrame_));
}

void CanvasVideo::ShowHeld() {
  if (!lastFrame_) return;
  SDL_Surface* canvas = SDL_GetWindowSurface(window_);
  DrawDimmed(*lastFrame_, *canvas);
  menu_->Draw(*canvas);
  notice_.Draw(*canvas);
  SDL_UpdateWindowSurface(window_);
}

Platform MakeCanvasPlatform(bool withSound, bool menu, PauseMenu::BestGames best,
                            std::function<void(int rank)> watch) {
  // The sound, made after the canvas, follows the menu's choices.
  auto sound = std::make_shared<SoundDriver*>(nullptr);
  WindowSettings settings;
  settings.menu = menu;
  WindowHooks hooks;
  hooks.bestGames = std::move(best);
  hooks.watch = std::move(watch);
  hooks.pauseChanged = [sound](bool paused) {
    if (*sound) (*sound)->Pause(paused);
  };
  hooks.settingsChanged = [sound](const WindowSettings& now) {
    if (*sound) (*sound)->SetVolume(now.muted ? 0 : now.volume);
  };
  Platform platform = WithSdlSound(std::make_unique<CanvasVideo>(settings, hooks), withSound);
  *sound = platform.sound.get();
  return platform;
}

}  // namespace ridgeline
