#pragma once

#include <SDL.h>

#include <map>
#include <vector>

#include "media/sdl/pad_keys.h"

namespace ridgeline {

// The game pads, through SDL's game-controller API and its own database of
// pad mappings: a pad is taken up when it is plugged in (or found at the
// start) and let go when it is pulled out, and its buttons and left stick
// come out as the keys they stand for (PadKeys).
class SdlPads {
 public:
  // Without SDL's pad support the game plays on without pads.
  SdlPads();
  ~SdlPads();
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // Takes `event` if it is a pad's, appending the key events it makes to
  // `out`; false for any other event.
  bool Take(const SDL_Event& event, std::vector<WindowEvent>& out);

 private:
  bool started_ = false;
  std::map<SDL_JoystickID, SDL_GameController*> pads_;
  PadKeys keys_;
};

}  // namespace ridgeline
