#include "media/menu/window_menu.h"

#include "common/key_codes.h"
#include "media/menu/menu_picture.h"
#include "media/sdl/sdl_keys.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

// The menu's meaning of a key, if it has one.
std::optional<MenuKey> MenuKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_UP:
      return MenuKey::Up;
    case SDLK_DOWN:
      return MenuKey::Down;
    case SDLK_LEFT:
      return MenuKey::Left;
    case SDLK_RIGHT:
      return MenuKey::Right;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      return MenuKey::Enter;
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
      return MenuKey::Back;
    case SDLK_q:
      return MenuKey::Quit;
    case SDLK_s:
      return MenuKey::Submit;
    default:
      return std::nullopt;
  }
}

// The menu's meaning of a pad's button: the d-pad moves, A chooses, B goes
// back.
std::optional<MenuKey> MenuKeyOfButton(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return MenuKey::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return MenuKey::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return MenuKey::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return MenuKey::Right;
    case SDL_CONTROLLER_BUTTON_A:
      return MenuKey::Enter;
    case SDL_CONTROLLER_BUTTON_B:
      return MenuKey::Back;
    default:
      return std::nullopt;
  }
}

}  // namespace

WindowMenu::WindowMenu(WindowSettings& settings, bool inPage, PauseMenu::BestGames best)
    : menu_(settings, inPage, std::move(best)) {}

void WindowMenu::Open(SDL_Keycode key) {
  menu_.Open();
  open_ = true;
  if (key != SDLK_UNKNOWN) keysDown_.insert(key);
}

void WindowMenu::Close() {
  open_ = false;
}

std::optional<MenuOutcome> WindowMenu::Take(const SDL_Event& e, SDL_Window* window) {
  switch (e.type) {
    case SDL_KEYDOWN:
      // The desktop's own keys act as ever.
      if (PlatformKeyOf(e.key.keysym.sym, e.key.keysym.mod) != PlatformKey::None) {
        return std::nullopt;
      }
      return TakeKey(e.key);
    case SDL_KEYUP:
      if (keysDown_.erase(e.key.keysym.sym) == 0) return std::nullopt;
      return MenuOutcome::None;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
      return TakePointer(e, window);
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
      return MenuOutcome::None;
    case SDL_CONTROLLERBUTTONDOWN:
      return TakeButton(e.cbutton.button);
    default:
      return std::nullopt;
  }
}

bool WindowMenu::TakesRelease(const SDL_Event& e) {
  return e.type == SDL_KEYUP && keysDown_.erase(e.key.keysym.sym) > 0;
}

MenuOutcome WindowMenu::TakeKey(const SDL_KeyboardEvent& key) {
  const SDL_Keycode code = key.keysym.sym;
  keysDown_.insert(code);
  if (menu_.WantsKey() && code != SDLK_ESCAPE && code != SDLK_RETURN) {
    return key.repeat ? MenuOutcome::None : menu_.Bind(code);
  }
  const auto menuKey = MenuKeyOf(code);
  return menuKey ? menu_.Press(*menuKey) : MenuOutcome::None;
}

MenuOutcome WindowMenu::TakePointer(const SDL_Event& e, SDL_Window* window) {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window, &width, &height);
  const Viewport v = FitPicture(width, height);
  if (v.width <= 0 || v.height <= 0) return MenuOutcome::None;
  const bool moved = e.type == SDL_MOUSEMOTION;
  const int x = moved ? e.motion.x : e.button.x;
  const int y = moved ? e.motion.y : e.button.y;
  const bool click = !moved && e.button.button == SDL_BUTTON_LEFT;
  return menu_.Point((x - v.x) * kPictureWidth / v.width, (y - v.y) * kPictureHeight / v.height,
                     click);
}

MenuOutcome WindowMenu::TakeButton(Uint8 button) {
  // Back and Start: while a button is being chosen, give up or keep it;
  // else resume.
  if (button == SDL_CONTROLLER_BUTTON_BACK || button == SDL_CONTROLLER_BUTTON_START) {
    if (!menu_.WantsButton()) return MenuOutcome::Resume;
    return button == SDL_CONTROLLER_BUTTON_BACK ? menu_.Press(MenuKey::Back) : menu_.EndBinding();
  }
  if (menu_.WantsButton()) return menu_.Bind(button);
  const auto menuKey = MenuKeyOfButton(button);
  return menuKey ? menu_.Press(*menuKey) : MenuOutcome::None;
}

void WindowMenu::Draw(SDL_Surface& picture) {
  DrawMenu(picture, menu_.View());
}

WindowEvent EscapeFromMenu(MenuOutcome outcome, const WindowMenu& menu,
                           const std::function<void(int rank)>& watch) {
  if (outcome == MenuOutcome::Watch && watch) watch(menu.RankChosen());
  WindowEvent escape;
  escape.keyCode = kKeyEscape;
  return escape;
}

}  // namespace ridgeline
