#pragma once

#include "media/directx/surface.h"
#include "media/sdl/presenter.h"

namespace ridgeline {

// Scales on the processor straight into the window's own pixels, which the
// system then shows (on X11 through shared memory): without a graphics
// processor this costs a fraction of what emulating one does.
class SurfacePresenter : public Presenter {
 public:
  explicit SurfacePresenter(SDL_Window* window) : window_(window) {}

  // False where the window has no pixels of its own to draw in.
  bool Prepare();

  void Draw(const FrameView& picture) override;
  void Show() override;
  bool SetVsync(bool) override { return false; }

 private:
  // The picture enlarged by `factor`, to be smoothed down from.
  SDL_Surface* Enlarged(int factor);

  SDL_Window* window_;
  // The picture in the window's pixel format, so that the scaling copies
  // pixels without converting them.
  SdlSurfacePtr converted_;
  SdlSurfacePtr enlarged_;
  // The window's pixels as last painted black, by address and size.
  const SDL_Surface* blackened_ = nullptr;
  int blackenedWidth_ = 0;
  int blackenedHeight_ = 0;
};

}  // namespace ridgeline
