#include "media/sdl/presenter.h"

#include <filesystem>

#include "media/sdl/renderer_presenter.h"
#include "media/sdl/surface_presenter.h"

namespace ridgeline {

namespace {

// Whether the system has a graphics processor for SDL's renderer to use. On
// Linux every driver for one makes a device node; without any, a renderer
// could only rasterize in software, and merely making one costs a large part
// of the start-up (the rasterizer compiles its shaders). Elsewhere, assume
// there is one and let RendersInSoftware decide.
bool MayHaveGraphicsProcessor() {
#ifdef __linux__
  std::error_code ignored;
  return std::filesystem::exists("/dev/dri", ignored) ||
         std::filesystem::exists("/dev/nvidiactl", ignored);
#else
  return true;
#endif
}

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
