#include "media/directx/surface.h"

#include <algorithm>

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"
#include "media/directx/text.h"

namespace ridgeline {

namespace {

bool Inside(const SDL_Rect& r, const SDL_Surface& surface) {
  return r.x >= 0 && r.y >= 0 && r.w >= 0 && r.h >= 0 && r.x <= surface.w - r.w &&
         r.y <= surface.h - r.h;
}

SDL_Rect ToSdlRect(long left, long top, long right, long bottom) {
  // Rectangles far outside any surface must still fail the inside test, so
  // clamp before narrowing rather than letting the values wrap.
  auto clamp = [](long v) { return static_cast<int>(std::clamp(v, -(1L << 30), 1L << 30)); };
  return SDL_Rect{clamp(left), clamp(top), clamp(right - left), clamp(bottom - top)};
}

}  // namespace

void SdlSurfaceDeleter::operator()(SDL_Surface* surface) const {
  SDL_FreeSurface(surface);
}

DirectDrawSurface7::DirectDrawSurface7(SdlSurfacePtr pixels) : pixels_(std::move(pixels)) {}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
  desc.lFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  desc.lWidth = pixels_->w;
  desc.lHeight = pixels_->h;
  desc.lBackBufferCount = 0;
  desc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
}

void DirectDrawSurface7::SetColorKey(long flags, const DDCOLORKEY& key) {
  if (flags != DDCKEY_SRCBLT || key.low != key.high) {
    throw RunTimeError("SetColorKey: unsupported key (flags " + std::to_string(flags) + ")");
  }
  // Run-length encoding lets SDL skip the transparent runs without testing
  // each pixel: sprites are mostly transparent.
  if (SDL_SetColorKey(pixels_.get(), SDL_TRUE, static_cast<Uint32>(key.low)) != 0 ||
      SDL_SetSurfaceRLE(pixels_.get(), 1) != 0) {
    throw RunTimeError(std::string("SetColorKey: ") + SDL_GetError());
  }
}

long DirectDrawSurface7::BltFast(long x, long y, DirectDrawSurface7& source, const RECT& sourceRect,
                                 long /*flags*/) {
  SDL_Rect from = ToSdlRect(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom);
  SDL_Rect to = ToSdlRect(x, y, x + (sourceRect.Right - sourceRect.Left),
                          y + (sourceRect.Bottom - sourceRect.Top));
  if (!Inside(from, *source.pixels_) || !Inside(to, *pixels_)) return DDERR_INVALIDRECT;
  if (from.w == 0 || from.h == 0) return DD_OK;
  SDL_BlitSurface(source.pixels_.get(), &from, pixels_.get(), &to);
  return DD_OK;
}

long DirectDrawSurface7::BltColorFill(const RECT& rect, long pixelValue) {
  SDL_Rect r = ToSdlRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
  if (!Inside(r, *pixels_)) return DDERR_INVALIDRECT;
  SDL_FillRect(pixels_.get(), &r, static_cast<Uint32>(pixelValue));
  return DD_OK;
}

void DirectDrawSurface7::SetForeColor(long colour) {
  foreColor_ = colour;
}

void DirectDrawSurface7::DrawText(long x, long y, const std::string& text, bool /*atCursor*/) {
  const SDL_Color colour{static_cast<Uint8>(foreColor_ & 0xFF),
                         static_cast<Uint8>((foreColor_ >> 8) & 0xFF),
                         static_cast<Uint8>((foreColor_ >> 16) & 0xFF), 255};
  DrawTextLine(*pixels_, static_cast<int>(x), static_cast<int>(y), text, colour);
}

FrameView DirectDrawSurface7::View() const {
  return ViewOf(*pixels_);
}

}  // namespace ridgeline
