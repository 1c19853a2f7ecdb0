#include "media/surface.h"

#include "common/run_time_error.h"
#include "media/platform.h"
#include "media/text.h"

namespace ridgeline {

namespace {

bool Inside(const SDL_Rect& r, int width, int height) {
  return r.x >= 0 && r.y >= 0 && r.w >= 0 && r.h >= 0 && r.x <= width - r.w && r.y <= height - r.h;
}

SDL_Rect ToSdlRect(long left, long top, long right, long bottom) {
  // Rectangles far outside any surface must still fail the inside test, so
  // clamp before narrowing rather than letting the values wrap.
  auto clamp = [](long v) { return static_cast<int>(std::clamp(v, -(1L << 30), 1L << 30)); };
  return SDL_Rect{clamp(left), clamp(top), clamp(right - left), clamp(bottom - top)};
}

}  // namespace

DirectDrawSurface7::DirectDrawSurface7(SdlSurfacePtr pixels)
    : pixels_(std::move(pixels)), width_(pixels_->w), height_(pixels_->h) {}

DirectDrawSurface7::DirectDrawSurface7(Platform& platform, int width, int height)
    : width_(width), height_(height), platform_(&platform) {
  SdlSurfacePtr back(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, kFormat));
  if (!back) throw RunTimeError(std::string("cannot create the back buffer: ") + SDL_GetError());
  backBuffer_ = std::make_unique<DirectDrawSurface7>(std::move(back));
}

DirectDrawSurface7* DirectDrawSurface7::GetAttachedSurface(const DDSCAPS2& caps) {
  if (caps.lCaps != DDSCAPS_BACKBUFFER || !backBuffer_) {
    throw RunTimeError("GetAttachedSurface: no attached surface with capabilities " +
                       std::to_string(caps.lCaps));
  }
  return backBuffer_.get();
}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
  desc.lFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  desc.lWidth = width_;
  desc.lHeight = height_;
  desc.lBackBufferCount = backBuffer_ ? 1 : 0;
  desc.ddsCaps.lCaps =
      platform_ ? DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX : DDSCAPS_OFFSCREENPLAIN;
}

void DirectDrawSurface7::SetColorKey(long flags, const DDCOLORKEY& key) {
  if (flags != DDCKEY_SRCBLT || key.low != key.high || !pixels_) {
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
                                 long flags) {
  if (!pixels_ || !source.pixels_) return DDERR_INVALIDRECT;
  SDL_Rect from = ToSdlRect(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom);
  SDL_Rect to = ToSdlRect(x, y, x + (sourceRect.Right - sourceRect.Left),
                          y + (sourceRect.Bottom - sourceRect.Top));
  if (!Inside(from, source.width_, source.height_) || !Inside(to, width_, height_)) {
    return DDERR_INVALIDRECT;
  }
  if (from.w == 0 || from.h == 0) return DD_OK;

  // A copy without the colour-key flag is opaque even from a keyed surface.
  const bool keyed = SDL_HasColorKey(source.pixels_.get());
  const bool dropKey = keyed && (flags & DDBLTFAST_SRCCOLORKEY) == 0;
  Uint32 key = 0;
  if (dropKey) {
    SDL_GetColorKey(source.pixels_.get(), &key);
    SDL_SetColorKey(source.pixels_.get(), SDL_FALSE, 0);
  }
  SDL_BlitSurface(source.pixels_.get(), &from, pixels_.get(), &to);
  if (dropKey) SDL_SetColorKey(source.pixels_.get(), SDL_TRUE, key);
  return DD_OK;
}

long DirectDrawSurface7::BltColorFill(const RECT& rect, long pixelValue) {
  SDL_Rect r = ToSdlRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
  if (!pixels_ || !Inside(r, width_, height_)) return DDERR_INVALIDRECT;
  SDL_FillRect(pixels_.get(), &r, static_cast<Uint32>(pixelValue));
  return DD_OK;
}

void DirectDrawSurface7::SetForeColor(long colour) {
  foreColor_ =
      SDL_Color{static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>((colour >> 8) & 0xFF),
                static_cast<Uint8>((colour >> 16) & 0xFF), 255};
}

void DirectDrawSurface7::DrawText(long x, long y, const std::string& text, bool /*atCursor*/) {
  if (!pixels_) throw RunTimeError("DrawText: the surface has no picture");
  DrawTextLine(*pixels_, static_cast<int>(x), static_cast<int>(y), text, foreColor_);
}

void DirectDrawSurface7::Flip(DirectDrawSurface7* /*target*/, long /*flags*/) {
  if (!platform_) throw RunTimeError("Flip: not a flipping surface");
  const SDL_Surface& frame = *backBuffer_->pixels_;
  platform_->video->Present(frame);
  platform_->sound->FrameShown();
  if (platform_->frameShown) platform_->frameShown(frame);
}

}  // namespace ridgeline
