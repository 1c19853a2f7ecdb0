#include "media/sdl/canvas_video.h"

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"
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
  SDL_UpdateWindowSurface(window_);
}

void CanvasVideo::ShowCursor(bool show) {
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool CanvasVideo::PollEvent(WindowEvent& event) {
  SDL_Event e;
  while (SDL_PollEvent(&e) == 1) {
    const bool key = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
    if (key && PlatformKeyOf(e.key.keysym.sym, e.key.keysym.mod) != PlatformKey::None) continue;
    if (GameEventOf(e, event)) return true;
  }
  return false;
}

Platform MakeCanvasPlatform(bool withSound) {
  return WithSdlSound(std::make_unique<CanvasVideo>(), withSound);
}

}  // namespace ridgeline
