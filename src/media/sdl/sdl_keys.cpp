#include "media/sdl/sdl_keys.h"

#include <array>
#include <utility>

namespace ridgeline {

namespace {

constexpr int kOtherKey = 255;

constexpr std::array<std::pair<SDL_Keycode, int>, 42> kNamedKeys{{
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},
    {SDLK_RETURN, 13},        {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},        {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},          {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},        {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},
    {SDLK_INSERT, 45},        {SDLK_DELETE, 46},
    {SDLK_KP_MULTIPLY, 106},  {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DIVIDE, 111},    {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},   {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},        {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},  {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
}};

}  // namespace

int VirtualKeyCode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
  if (key == SDLK_KP_0) return 96;
  for (const auto& [sdl, code] : kNamedKeys) {
    if (sdl == key) return code;
  }
  return kOtherKey;
}

int ShiftState(Uint16 modifiers) {
  return ((modifiers & KMOD_SHIFT) ? 1 : 0) | ((modifiers & KMOD_CTRL) ? 2 : 0) |
         ((modifiers & KMOD_ALT) ? 4 : 0);
}

bool GameEventOf(const SDL_Event& e, WindowEvent& event) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      event.kind = e.type == SDL_KEYDOWN ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp;
      event.keyCode = VirtualKeyCode(e.key.keysym.sym);
      event.shift = ShiftState(e.key.keysym.mod);
      return true;
    case SDL_MOUSEBUTTONDOWN:
      event.kind = WindowEvent::Kind::MouseDown;
      event.button = e.button.button == SDL_BUTTON_LEFT    ? 1
                     : e.button.button == SDL_BUTTON_RIGHT ? 2
                                                           : 4;
      event.shift = ShiftState(static_cast<Uint16>(SDL_GetModState()));
      return true;
    case SDL_QUIT:
      event.kind = WindowEvent::Kind::Close;
      return true;
    default:
      return false;
  }
}

PlatformKey PlatformKeyOf(SDL_Keycode key, Uint16 modifiers) {
  switch (key) {
    case SDLK_F11:
      return PlatformKey::FullScreen;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return (modifiers & KMOD_ALT) ? PlatformKey::FullScreen : PlatformKey::None;
    case SDLK_F9:
      return PlatformKey::Mute;
    case SDLK_F12:
      return PlatformKey::Screenshot;
    case SDLK_PAUSE:
      return PlatformKey::Pause;
    case SDLK_LALT:
    case SDLK_RALT:
      return PlatformKey::Alt;
    default:
      return PlatformKey::None;
  }
}

}  // namespace ridgeline
