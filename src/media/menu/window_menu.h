#pragma once

#include <SDL.h>

#include <functional>
#include <optional>
#include <set>

#include "media/menu/pause_menu.h"
#include "media/platform/video_driver.h"

namespace ridgeline {

// The pause menu at a game's window, over SDL's events: what the keys, the
// pointer and the pads' buttons do while it is open, and the picture it lays
// over the one shown. Shared by the desktop's window and a web page's
// canvas, which differ only in what they make of its answers.
class WindowMenu {
 public:
  // `inPage`: in a web page, where the display's items make no sense.
  WindowMenu(WindowSettings& settings, bool inPage, PauseMenu::BestGames best);

  bool IsOpen() const { return open_; }
  // Opens it on its first page; `key`, if any, is the key that opened it,
  // whose release is then the menu's too.
  void Open(SDL_Keycode key = SDLK_UNKNOWN);
  void Close();

  // Takes `e` while the menu is open, with `window` the window it shows in;
  // nothing when `e` is not the menu's (the desktop's own keys, a key let go
  // that the game holds, the window's own events).
  std::optional<MenuOutcome> Take(const SDL_Event& e, SDL_Window* window);
  // Whether `e`, while the menu is closed, is the release of a key whose
  // press the menu took.
  bool TakesRelease(const SDL_Event& e);

  // Draws the page over `picture`, the dimmed 640 x 480 picture shown.
  void Draw(SDL_Surface& picture);
  // The best game chosen to watch or send (after MenuOutcome::Watch or
  // Submit), 1 the best.
  int RankChosen() const { return menu_.RankChosen(); }

 private:
  MenuOutcome TakeKey(const SDL_KeyboardEvent& key);
  MenuOutcome TakePointer(const SDL_Event& e, SDL_Window* window);
  MenuOutcome TakeButton(Uint8 button);

  PauseMenu menu_;
  std::set<SDL_Keycode> keysDown_;  // pressed in the menu, so that their releases are its too
  bool open_ = false;
};

// What Quit and Watch (`outcome`) hand the game: the Escape that ends it, as
// Escape has always ended it, at its next event point. For Watch, `watch`
// first hears which best game was chosen.
WindowEvent EscapeFromMenu(MenuOutcome outcome, const WindowMenu& menu,
                           const std::function<void(int rank)>& watch);

}  // namespace ridgeline
