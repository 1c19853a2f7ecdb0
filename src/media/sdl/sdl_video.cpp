#include "media/sdl/sdl_video.h"

#include <clocale>
#include <string>
#include <vector>

#include "common/key_codes.h"
#include "common/run_time_error.h"
#include "common/warning.h"
#include "media/directx/sdl_picture.h"
#include "media/directx/text.h"
#include "media/menu/menu_picture.h"
#include "media/sdl/lost_display.h"
#include "media/sdl/sdl_keys.h"
#include "media/sdl/sdl_window.h"

namespace ridgeline {

namespace {

RunTimeError Failure(const std::string& what) {
  return RunTimeError(what + ": " + SDL_GetError());
}

// Vsync paces the game only where the display refreshes 60 times a second
// (59 is how some drivers round 59.94 Hz).
bool RefreshIsSixty(int hertz) {
  return hertz == 60 || hertz == 59;
}

}  // namespace

SdlVideo::~SdlVideo() {
  pads_.reset();
  presenter_.reset();
  if (window_) SDL_DestroyWindow(window_);
}

void SdlVideo::ShowWindow(const std::string& label) {
  // SDL hands the window's title to X11 in the C library's character
  // encoding, which is ASCII until the program picks one: the title is UTF-8.
  std::setlocale(LC_CTYPE, "C.UTF-8");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Failure("no display");
  WatchDisplayConnection();
  // Finding no display, SDL falls back on its offscreen driver, which shows
  // nothing: only when asked for by name is that a way to run.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0 &&
      !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
    throw RunTimeError("no display (SDL_VIDEODRIVER=offscreen runs without one)");
  }
  windowSize_ = GameWindowSize(settings_.scale);
  window_ = OpenGameWindow(windowSize_);
  if (!window_) throw Failure("cannot open the game's window");
  if (!title_.empty()) SDL_SetWindowTitle(window_, title_.c_str());
  presenter_ = MakePresenter(window_);
  if (!presenter_) throw Failure("cannot draw in the game's window");

  const bool vsync = RefreshIsSixty(RefreshRate(window_)) && presenter_->SetVsync(true);
  pacer_ = std::make_unique<FramePacer>(vsync, [this] { presenter_->SetVsync(false); });
  pads_ = std::make_unique<SdlPads>(settings_.controls);
  if (settings_.menu) menu_ = std::make_unique<WindowMenu>(settings_, false, hooks_.bestGames);

  label_ = label;
  ShowLabel();
}

void SdlVideo::SetTitle(const std::string& title) {
  title_ = title;
  if (window_) SDL_SetWindowTitle(window_, title_.c_str());
}

void SdlVideo::SetFullScreen(bool fullScreen) {
  // A window that never opened has nothing to hand back: shutting down after
  // it failed must still report why it failed.
  if (!window_ && !fullScreen) return;
  if (!window_) throw RunTimeError("cannot change to full screen: the window is not open");
  const bool desktop = fullScreen && !settings_.windowed;
  if (SDL_SetWindowFullscreen(window_, desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    throw Failure(fullScreen ? "cannot change to full screen" : "cannot leave full screen");
  }
  // The window may have just gone full screen: the label stays in sight while
  // the pictures and sounds load.
  if (fullScreen) ShowLabel();
}

void SdlVideo::ShowLabel() {
  presenter_->Draw(ViewOf(*LabelPicture(label_)));
  presenter_->Show();
}

void SdlVideo::Present(const FrameView& frame) {
  KeepFrame(frame, lastFrame_);
  if (notice_.Showing() && lastFrame_ &&
      (shown_ || (shown_ = NewPicture(frame.width, frame.height)))) {
    SDL_BlitSurface(lastFrame_.get(), nullptr, shown_.get(), nullptr);
    notice_.Draw(*shown_);
    presenter_->Draw(ViewOf(*shown_));
  } else {
    presenter_->Draw(frame);
  }
  // Waiting before showing, not after, keeps the moments the frames appear
  // evenly spaced, whatever each frame took to draw.
  pacer_->Wait();
  presenter_->Show();
  pacer_->Shown();
}

void SdlVideo::ShowCursor(bool show) {
  cursorShown_ = show;
  if (!MenuOpen()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlVideo::ShowNotice(const std::string& text) {
  notice_.Show(text);
  if (showingPause_) ShowPaused();
}

bool SdlVideo::PollEvent(WindowEvent& event) {
  for (;;) {
    if (!toGame_.empty()) {
      event = toGame_.front();
      toGame_.pop_front();
      return true;
    }
    SDL_Event e;
    // Paused, the game waits here for the event that ends the pause, without
    // spinning: its pass goes on only then. A notice shown meanwhile is taken
    // away when its time is up.
    if (Paused() && notice_.Showing()) {
      if (SDL_WaitEventTimeout(&e, notice_.TimeLeft() + 1) != 1) {
        if (!notice_.Showing()) ShowPaused();
        continue;
      }
    } else if (Paused() ? SDL_WaitEvent(&e) != 1 : SDL_PollEvent(&e) != 1) {
      return false;
    }
    Take(e);
    if (Paused() == showingPause_) continue;
    showingPause_ = Paused();
    if (hooks_.pauseChanged) hooks_.pauseChanged(showingPause_);
    if (showingPause_) {
      ShowPaused();
    } else {
      pacer_->Resumed();
    }
  }
}

void SdlVideo::Take(const SDL_Event& e) {
  if (MenuOpen() && TakeInMenu(e)) return;
  std::vector<WindowEvent> fromPads;
  if (pads_ && pads_->Take(e, fromPads)) {
    for (const WindowEvent& event : fromPads) Hand(event);
    return;
  }
  if (e.type == SDL_WINDOWEVENT) return TakeWindowEvent(e.window);
  if ((e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) && TakePlatformKey(e.key)) return;
  WindowEvent event;
  if (!GameEventOf(e, event)) return;
  if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
    if (menu_ && menu_->TakesRelease(e)) return;
    event.keyCode = GameKeyCode(settings_.controls, e.key.keysym.sym);
    const bool escape = e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE;
    // Escape held after it closed the menu does not open it again.
    if (menu_ && escape && e.key.repeat) return;
    if (menu_ && escape) return OpenMenu(SDLK_ESCAPE);
  }
  Hand(event);
}

bool SdlVideo::TakePlatformKey(const SDL_KeyboardEvent& key) {
  const SDL_Keycode code = key.keysym.sym;
  const PlatformKey platformKey = PlatformKeyOf(code, key.keysym.mod);
  if (key.type == SDL_KEYUP) {
    // Released after Alt, Return is still the end of Alt+Enter.
    return platformKeysDown_.erase(code) > 0 || platformKey != PlatformKey::None;
  }
  if (platformKey == PlatformKey::None) return false;
  platformKeysDown_.insert(code);
  if (key.repeat) return true;
  switch (platformKey) {
    case PlatformKey::FullScreen:
      SwitchFullScreen(settings_.windowed);
      break;
    case PlatformKey::Mute:
      ToggleMute();
      break;
    case PlatformKey::Screenshot:
      if (hooks_.screenshot && lastFrame_) hooks_.screenshot(ViewOf(*lastFrame_));
      break;
    case PlatformKey::Pause:
      if (MenuOpen()) {
        CloseMenu();
      } else if (menu_) {
        OpenMenu();
      } else {
        pausedByHand_ = !pausedByHand_;
      }
      break;
    case PlatformKey::Alt:
    case PlatformKey::None:
      break;
  }
  return true;
}

void SdlVideo::TakeWindowEvent(const SDL_WindowEvent& window) {
  switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
      away_ = true;
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      away_ = false;
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      minimised_ = true;
      break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
      minimised_ = false;
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // No frame comes during a pause to fill the window anew.
      if (showingPause_) ShowPaused();
      break;
    default:
      break;
  }
}

void SdlVideo::Hand(const WindowEvent& event) {
  // The pad's Back and a click open the menu where there is one.
  const bool opensMenu = event.kind == WindowEvent::Kind::MouseDown ||
                         (event.kind == WindowEvent::Kind::KeyDown && event.keyCode == kKeyEscape);
  if (menu_ && opensMenu) {
    if (!MenuOpen()) OpenMenu();
    return;
  }
  // A paused game hears only what cannot move it on: releases, and the
  // player ending it.
  const bool movesGameOn = event.kind == WindowEvent::Kind::KeyDown && event.keyCode != kKeyEscape;
  if (Paused() && movesGameOn) return;
  toGame_.push_back(event);
}

void SdlVideo::SwitchFullScreen(bool on) {
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    Warn(std::string("cannot switch between full screen and a window: ") + SDL_GetError());
    return;
  }
  settings_.windowed = !on;
  if (!on) {
    // The window's own whole-factor size, centred, whatever it was before.
    SDL_SetWindowSize(window_, windowSize_.width, windowSize_.height);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  if (hooks_.settingsChanged) hooks_.settingsChanged(settings_);
}

void SdlVideo::ChangeScale() {
  windowSize_ = GameWindowSize(settings_.scale);
  if (!settings_.windowed) return;
  SDL_SetWindowSize(window_, windowSize_.width, windowSize_.height);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SdlVideo::ToggleMute() {
  settings_.muted = !settings_.muted;
  ShowNotice(settings_.muted ? "Sound off" : "Sound on");
  if (hooks_.settingsChanged) hooks_.settingsChanged(settings_);
}

void SdlVideo::OpenMenu(SDL_Keycode key) {
  menu_->Open(key);
  SDL_ShowCursor(SDL_ENABLE);
  if (showingPause_) ShowPaused();
}

void SdlVideo::CloseMenu() {
  menu_->Close();
  SDL_ShowCursor(cursorShown_ ? SDL_ENABLE : SDL_DISABLE);
  if (showingPause_) ShowPaused();
}

bool SdlVideo::TakeInMenu(const SDL_Event& e) {
  const WindowSettings before = settings_;
  const auto outcome = menu_->Take(e, window_);
  if (!outcome) return false;
  // The pads still see a press, so that its release matches it.
  std::vector<WindowEvent> ignored;
  if (e.type == SDL_CONTROLLERBUTTONDOWN) pads_->Take(e, ignored);
  Act(*outcome, before);
  return true;
}

void SdlVideo::Act(MenuOutcome outcome, const WindowSettings& before) {
  switch (outcome) {
    case MenuOutcome::None:
      break;
    case MenuOutcome::Resume:
      return CloseMenu();
    case MenuOutcome::Submit:
      if (hooks_.submit) {
        // Shown before the wait, which is the board's playing of the game.
        ShowNotice("Sending the game to the board...");
        ShowNotice(hooks_.submit(menu_->RankChosen()));
      }
      break;
    case MenuOutcome::Watch:
    case MenuOutcome::Quit:
      toGame_.push_back(EscapeFromMenu(outcome, *menu_, hooks_.watch));
      return CloseMenu();
    case MenuOutcome::Changed:
      if (settings_.windowed != before.windowed) {
        settings_.windowed = before.windowed;
        SwitchFullScreen(before.windowed);
      } else {
        if (settings_.scale != before.scale) ChangeScale();
        if (hooks_.settingsChanged) hooks_.settingsChanged(settings_);
      }
      break;
  }
  if (showingPause_) ShowPaused();
}

void SdlVideo::ShowPaused() {
  if (!lastFrame_) return;
  SdlSurfacePtr dimmed = NewPicture(kPictureWidth, kPictureHeight);
  if (!dimmed) return;
  DrawDimmed(*lastFrame_, *dimmed);
  if (MenuOpen()) {
    menu_->Draw(*dimmed);
  } else {
    const std::string text = "PAUSED";
    DrawTextLine(*dimmed, (kPictureWidth - TextWidth(text)) / 2, kPictureHeight / 2 - 8, text,
                 SDL_Color{255, 255, 255, 255});
  }
  notice_.Draw(*dimmed);
  presenter_->Draw(ViewOf(*dimmed));
  presenter_->Show();
}

}  // namespace ridgeline
