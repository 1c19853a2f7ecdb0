#include "media/sdl/presenter.h"

#include "media/sdl/graphics_processor.h"
#include "media/sdl/renderer_presenter.h"
#include "media/sdl/surface_presenter.h"

namespace ridgeline {

namespace {

std::unique_ptr<Presenter> MakeRendererPresenter(SDL_Window* window) {
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  if (!renderer) return nullptr;
  if (RendersInSoftware(renderer)) {
    SDL_DestroyRenderer(renderer);
    return nullptr;
  }
  auto presenter = std::make_unique<RendererPresenter>(renderer);
  if (!presenter->Prepare()) return nullptr;
  return presenter;
}

}  // namespace

std::unique_ptr<Presenter> MakePresenter(SDL_Window* window) {
  if (MayHaveGraphicsProcessor()) {
    if (auto presenter = MakeRendererPresenter(window)) return presenter;
  }
  auto presenter = std::make_unique<SurfacePresenter>(window);
  if (!presenter->Prepare()) return nullptr;
  return presenter;
}

}  // namespace ridgeline
