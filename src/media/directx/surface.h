#pragma once

#include <memory>
#include <string>

#include "media/directx/ddraw_types.h"
#include "media/directx/frame_view.h"

struct SDL_Surface;

namespace ridgeline {

// Owns an SDL_Surface and frees it with SDL_FreeSurface.
struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const;
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// A surface that holds a picture: an off-screen surface with a bitmap's
// picture, or the back buffer that every frame is drawn into. Pictures are
// copied, filled and written on here; the primary surface, which only shows
// the back buffer, is a type of its own (DirectDrawPrimarySurface7).
class DirectDrawSurface7 {
 public:
  // The pixel format of every surface, as the 640 x 480 x 16 display mode has it.
  static constexpr PixelFormat kFormat = PixelFormat::Rgb565;

  // A surface holding `pixels`, which must be in kFormat.
  explicit DirectDrawSurface7(SdlSurfacePtr pixels);

  void GetSurfaceDesc(DDSURFACEDESC2& desc) const;
  void SetColorKey(long flags, const DDCOLORKEY& key);

  // Copies `source`'s rectangle to (x, y), leaving out the pixels of the
  // source's colour key where it has one. The game copies its colour-keyed
  // surfaces, the sprites, only with DDBLTFAST_SRCCOLORKEY and the background,
  // which has no key, without it, so the source alone decides. A copy that
  // does not lie wholly inside both surfaces is not made and returns
  // DDERR_INVALIDRECT.
  long BltFast(long x, long y, DirectDrawSurface7& source, const RECT& sourceRect, long flags);
  long BltColorFill(const RECT& rect, long pixelValue);

  // Text in the colour red + 256 x green + 65536 x blue, transparent behind.
  void SetForeColor(long colour);
  void DrawText(long x, long y, const std::string& text, bool atCursor);

  // The picture as it is now, to be shown or saved: the back buffer's. A
  // colour-keyed surface may keep its pixels run-length encoded, which only
  // SDL reads (through Pixels, locked).
  FrameView View() const;
  SDL_Surface& Pixels() const { return *pixels_; }

 private:
  SdlSurfacePtr pixels_;
  long foreColor_ = 0;
};

}  // namespace ridgeline
