#pragma once

#include <SDL.h>

#include <memory>

#include "media/directx/frame_view.h"

namespace ridgeline {

// Puts the game's 640 x 480 picture on the window, scaled as FitPicture says,
// on black. Two ways: through SDL's renderer where the scaling can be left to
// a graphics processor, or by scaling on the processor into the window's own
// pixels where there is none (then the cheaper of the two by far).
class Presenter {
 public:
  virtual ~Presenter() = default;

  // Draws `picture`, a 640 x 480 frame, scaled into the window, ready to be
  // shown.
  virtual void Draw(const FrameView& picture) = 0;
  // Shows what Draw drew; with vsync on, waits for the display's refresh.
  virtual void Show() = 0;

  // Asks that Show wait for the display's refresh; false where it cannot.
  virtual bool SetVsync(bool on) = 0;
};

// The presenter for `window`: the renderer when SDL's choice of renderer runs
// on a graphics processor, the window's pixels otherwise. Null on failure,
// with SDL's error set.
std::unique_ptr<Presenter> MakePresenter(SDL_Window* window);

}  // namespace ridgeline
