#include "media/sdl/sdl_window.h"

#include <string>

#include "common/data_files.h"
#include "common/run_time_error.h"
#include "media/app_path.h"
#include "media/bitmap_check.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

// A window this many times 640 x 480 is larger than any screen made: a larger
// factor is a mistake, and its pixels alone would take gigabytes.
constexpr long kLargestScale = 16;

int WindowScale(long scale) {
  if (scale > kLargestScale) {
    throw RunTimeError("--scale " + std::to_string(scale) + " is larger than any screen (at most " +
                       std::to_string(kLargestScale) + ")");
  }
  if (scale > 0) return static_cast<int>(scale);
  SDL_Rect area;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) return 1;
  return LargestWindowScale(area.w, area.h);
}

// The icon is the player's first picture, black transparent as in the game.
// Without it the window keeps the system's icon: a missing or damaged picture
// is for the start-up to report, not the window.
void SetIcon(SDL_Window* window) {
  const std::string path = DataFilePath(SpriteFile(SpriteKind::Player, 0));
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (!file) return;
  if (BitmapRefusal(*file)) {
    SDL_RWclose(file);
    return;
  }
  SDL_Surface* icon = SDL_LoadBMP_RW(file, 1);
  if (!icon) return;
  SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 0, 0, 0));
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

}  // namespace

SDL_Window* OpenGameWindow(long scale) {
  const int factor = WindowScale(scale);
  SDL_Window* window =
      SDL_CreateWindow("Ridgeline", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       factor * kPictureWidth, factor * kPictureHeight, SDL_WINDOW_RESIZABLE);
  if (window) SetIcon(window);
  return window;
}

int RefreshRate(SDL_Window* window) {
  SDL_DisplayMode mode;
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) return 0;
  return mode.refresh_rate;
}

}  // namespace ridgeline
