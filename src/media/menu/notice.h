#pragma once

#include <SDL.h>

#include <string>

namespace ridgeline {

// A short line shown over the window's picture for about two seconds
// ("Sound off"), never in a frame.
class Notice {
 public:
  void Show(const std::string& text);
  bool Showing() const;
  // Until it goes, in milliseconds; 0 once it has gone.
  int TimeLeft() const;
  // Draws it over `picture`, a 640 x 480 picture shown, while it shows.
  void Draw(SDL_Surface& picture) const;

 private:
  static constexpr Uint64 kShownFor = 2000;  // milliseconds
  std::string text_;
  Uint64 ends_ = 0;  // in SDL's ticks
};

}  // namespace ridgeline
