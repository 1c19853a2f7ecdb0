#include "media/sdl/sdl_video.h"

#include <clocale>
#include <string>

#include "common/run_time_error.h"
#include "media/sdl/sdl_keys.h"
#include "media/sdl/sdl_window.h"
#include "media/sdl_picture.h"
#include "media/text.h"

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
  presenter_.reset();
  if (window_) SDL_DestroyWindow(window_);
}

void SdlVideo::ShowWindow(const std::string& label) {
  // SDL hands the window's title to X11 in the C library's character
  // encoding, which is ASCII until the program picks one: the title is UTF-8.
  std::setlocale(LC_CTYPE, "C.UTF-8");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Failure("no display");
  // Finding no display, SDL falls back on its offscreen driver, which shows
  // nothing: only when asked for by name is that a way to run.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0 &&
      !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
    throw RunTimeError("no display (SDL_VIDEODRIVER=offscreen runs without one)");
  }
  window_ = OpenGameWindow(settings_.scale);
  if (!window_) throw Failure("cannot open the game's window");
  if (!title_.empty()) SDL_SetWindowTitle(window_, title_.c_str());
  presenter_ = MakePresenter(window_);
  if (!presenter_) throw Failure("cannot draw in the game's window");

  const bool vsync = RefreshIsSixty(RefreshRate(window_)) && presenter_->SetVsync(true);
  pacer_ = std::make_unique<FramePacer>(vsync, [this] { presenter_->SetVsync(false); });

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
  SdlSurfacePtr canvas = NewPicture(kPictureWidth, kPictureHeight);
  if (!canvas) throw Failure("cannot draw the window's label");
  SDL_FillRect(canvas.get(), nullptr, SDL_MapRGB(canvas->format, 212, 208, 200));
  DrawTextLine(*canvas, 16, 16, label_, SDL_Color{0, 0, 0, 255});
  presenter_->Draw(ViewOf(*canvas));
  presenter_->Show();
}

void SdlVideo::Present(const FrameView& frame) {
  presenter_->Draw(frame);
  // Waiting before showing, not after, keeps the moments the frames appear
  // evenly spaced, whatever each frame took to draw.
  pacer_->Wait();
  presenter_->Show();
  pacer_->Shown();
}

void SdlVideo::ShowCursor(bool show) {
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlVideo::PollEvent(WindowEvent& event) {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        event.kind = e.type == SDL_KEYDOWN ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp;
        event.keyCode = VirtualKeyCode(e.key.keysym.sym);
        event.shift = ShiftState(e.key.keysym.mod);
        return true;
      case SDL_MOUSEBUTTONDOWN:
        event.kind = WindowEvent::Kind::MouseDown;
        event.button = e.button.button == SDL_BUTTON_LEFT    ? 1
                       : e.button.button == SDL_BUTTON_RIGHT ? 2
                                                             : 4;
        event.shift = ShiftState(static_cast<Uint16>(SDL_GetModState()));
        return true;
      case SDL_QUIT:
        event.kind = WindowEvent::Kind::Close;
        return true;
      default:
        break;
    }
  }
  return false;
}

}  // namespace ridgeline
