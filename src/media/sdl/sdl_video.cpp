#include "media/sdl/sdl_video.h"

#include <string>

#include "common/run_time_error.h"
#include "media/sdl/sdl_keys.h"
#include "media/surface.h"
#include "media/text.h"

namespace {

RunTimeError Failure(const std::string& what) {
  return RunTimeError(what + ": " + SDL_GetError());
}

}  // namespace

SdlVideo::~SdlVideo() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void SdlVideo::ShowWindow(const std::string& label) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw Failure("no display");
  window_ = SDL_CreateWindow("Ridgeline", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480,
                             SDL_WINDOW_RESIZABLE);
  if (!window_) throw Failure("cannot open the game's window");
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) throw Failure("cannot draw in the game's window");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_RenderSetLogicalSize(renderer_, 640, 480);

  // The label shows while the pictures and sounds load.
  SdlSurfacePtr canvas(
      SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, DirectDrawSurface7::kFormat));
  if (!canvas) throw Failure("cannot draw the window's label");
  SDL_FillRect(canvas.get(), nullptr, SDL_MapRGB(canvas->format, 212, 208, 200));
  DrawTextLine(*canvas, 16, 16, label, SDL_Color{0, 0, 0, 255});
  SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer_, canvas.get());
  if (texture) {
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    SDL_DestroyTexture(texture);
  }
}

void SdlVideo::SetCooperativeLevel(HWND /*window*/, long flags) {
  if (!window_) throw RunTimeError("SetCooperativeLevel: the window is not open");
  const bool fullScreen = (flags & DDSCL_FULLSCREEN) != 0 && !settings_.windowed;
  if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    throw Failure("cannot change to full screen");
  }
}

void SdlVideo::SetDisplayMode(int width, int height, int /*bitsPerPixel*/) {
  texture_ = SDL_CreateTexture(renderer_, DirectDrawSurface7::kFormat, SDL_TEXTUREACCESS_STREAMING,
                               width, height);
  if (!texture_) throw Failure("cannot set the display mode");
  SDL_RenderSetLogicalSize(renderer_, width, height);
}

void SdlVideo::RestoreDisplayMode() {
  if (window_ && SDL_SetWindowFullscreen(window_, 0) != 0)
    throw Failure("cannot leave full screen");
}

void SdlVideo::Present(const SDL_Surface& frame) {
  SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.pitch);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  WaitForNextFrame();
}

void SdlVideo::WaitForNextFrame() {
  // Frames are paced by the clock at 60 per second, whatever the monitor's
  // refresh rate; sleeping, not spinning.
  const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 period = frequency / 60;
  Uint64 now = SDL_GetPerformanceCounter();
  if (nextFrame_ == 0 || now > nextFrame_ + period) nextFrame_ = now;
  nextFrame_ += period;
  while ((now = SDL_GetPerformanceCounter()) < nextFrame_) {
    const Uint64 ms = (nextFrame_ - now) * 1000 / frequency;
    SDL_Delay(ms > 1 ? static_cast<Uint32>(ms - 1) : 0);
  }
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
        event.x = e.button.x;
        event.y = e.button.y;
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
