#pragma once

#include "media/sdl/presenter.h"

namespace ridgeline {

// Scales with SDL's renderer: the picture goes up as a streaming texture and
// the graphics processor enlarges it, nearest-neighbour; below a factor of 2
// into a texture of a whole factor first, which is then smoothed down.
class RendererPresenter : public Presenter {
 public:
  // Takes over `renderer`, which draws into the window.
  explicit RendererPresenter(SDL_Renderer* renderer) : renderer_(renderer) {}
  ~RendererPresenter() override;

  // False where there is no way to make the texture.
  bool Prepare();

  void Draw(const FrameView& picture) override;
  void Show() override;
  bool SetVsync(bool on) override;

 private:
  // The picture enlarged by `factor` on the graphics processor, to be
  // smoothed down from; null where the renderer cannot draw into a texture.
  SDL_Texture* Enlarged(int factor);

  SDL_Renderer* renderer_;
  SDL_Texture* texture_ = nullptr;
  SDL_Texture* enlarged_ = nullptr;
  int enlargedFactor_ = 0;
};

// Whether SDL's renderer draws with the processor rather than a graphics
// processor: SDL's own software renderer, or OpenGL on a software rasterizer
// (as on a virtual display).
bool RendersInSoftware(SDL_Renderer* renderer);

}  // namespace ridgeline
