#include <benchmark/benchmark.h>

#include "media/directx/sdl_picture.h"
#include "media/sdl/surface_presenter.h"

using namespace ridgeline;

namespace {

// What the processor spends to put one frame, doubled, into a 1280 x 960
// window where there is no graphics processor: converting and scaling into
// the window's pixels (SDL's display without a screen; showing them is then
// the system's work).
void PresentDoubled(benchmark::State& state) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    state.SkipWithError(SDL_GetError());
    return;
  }
  SDL_Window* window = SDL_CreateWindow("bench", 0, 0, 1280, 960, 0);
  SurfacePresenter presenter(window);
  SdlSurfacePtr picture = NewPicture(640, 480);
  if (!window || !presenter.Prepare() || !picture) {
    state.SkipWithError(SDL_GetError());
  } else {
    for (auto _ : state) presenter.Draw(ViewOf(*picture));
  }
  if (window) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(PresentDoubled)->Unit(benchmark::kMicrosecond);

}  // namespace
