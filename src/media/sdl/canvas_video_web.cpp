#include "media/sdl/canvas_video.h"

#include <emscripten.h>

#include <vector>

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
  pads_ = std::make_unique<SdlPads>();
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
  // The page shows the canvas enlarged, on a canvas of its own.
  EM_ASM(Module['pictureChanged']());
}

void CanvasVideo::ShowCursor(bool show) {
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool CanvasVideo::PollEvent(WindowEvent& event) {
  SDL_Event e;
  while (fromPads_.empty() && SDL_PollEvent(&e) == 1) {
    std::vector<WindowEvent> made;
    if (pads_ && pads_->Take(e, made)) {
      fromPads_.insert(fromPads_.end(), made.begin(), made.end());
      continue;
    }
    const bool key = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
    if (key && PlatformKeyOf(e.key.keysym.sym, e.key.keysym.mod) != PlatformKey::None) continue;
    if (GameEventOf(e, event)) return true;
  }
  if (fromPads_.empty()) return false;
  event = fromPads_.front();
  fromPads_.pop_front();
  return true;
}

Platform MakeCanvasPlatform(bool withSound) {
  return WithSdlSound(std::make_unique<CanvasVideo>(), withSound);
}

}  // namespace ridgeline
