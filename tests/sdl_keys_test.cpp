#include "media/sdl/sdl_keys.h"

#include <gtest/gtest.h>

#include <map>

namespace ridgeline {

namespace {

TEST(VirtualKeyCode, GivesTheGameItsKeysByTheirPlatformCodes) {
  const std::pair<SDL_Keycode, int> codes[] = {
      {SDLK_BACKSPACE, 8},
      {SDLK_RETURN, 13},
      {SDLK_ESCAPE, 27},
      {SDLK_SPACE, 32},
      {SDLK_LEFT, 37},
      {SDLK_UP, 38},
      {SDLK_RIGHT, 39},
      {SDLK_DOWN, 40},
      {SDLK_a, 'A'},
      {SDLK_z, 'Z'},
      {SDLK_0, '0'},
      {SDLK_9, '9'},
      {SDLK_F1, 112},
      {SDLK_F12, 123},
      {SDLK_KP_0, 96},
      {SDLK_KP_9, 105},
      // The keypad's Enter is Return to the game, and both Shifts are one key.
      {SDLK_KP_ENTER, 13},
      {SDLK_RSHIFT, VirtualKeyCode(SDLK_LSHIFT)},
  };
  for (const auto& [key, code] : codes) EXPECT_EQ(VirtualKeyCode(key), code) << SDL_GetKeyName(key);
}

// "Any key" leaves the title screen and restarts after a game over: a key that
// mapped to 0, or to a code the game treats specially, would not act as one.
// SDL names a key by its layout's character where it has one, and by its
// scancode otherwise: both kinds are checked for every key of the keyboard.
TEST(VirtualKeyCode, GivesEveryKeyOfTheKeyboardACodeOfItsOwnKind) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  const std::map<int, SDL_Keycode> special{{8, SDLK_BACKSPACE}, {27, SDLK_ESCAPE},
                                           {32, SDLK_SPACE},    {37, SDLK_LEFT},
                                           {38, SDLK_UP},       {39, SDLK_RIGHT}};
  auto check = [&special](SDL_Keycode key) {
    const int code = VirtualKeyCode(key);
    EXPECT_GE(code, 1) << SDL_GetKeyName(key);
    EXPECT_LE(code, 255) << SDL_GetKeyName(key);
    const auto owner = special.find(code);
    if (owner != special.end()) {
      EXPECT_EQ(key, owner->second) << SDL_GetKeyName(key);
    }
  };
  int layoutKeys = 0;
  for (int scancode = SDL_SCANCODE_UNKNOWN + 1; scancode < SDL_NUM_SCANCODES; ++scancode) {
    check(SDL_SCANCODE_TO_KEYCODE(scancode));
    const SDL_Keycode key = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode));
    if (key == SDLK_UNKNOWN) continue;
    ++layoutKeys;
    check(key);
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  EXPECT_GT(layoutKeys, 200);
}

TEST(ShiftState, CombinesShiftCtrlAndAltAsTheHandlersTakeThem) {
  EXPECT_EQ(ShiftState(KMOD_NONE), 0);
  EXPECT_EQ(ShiftState(KMOD_LSHIFT), 1);
  EXPECT_EQ(ShiftState(KMOD_RCTRL), 2);
  EXPECT_EQ(ShiftState(KMOD_LALT), 4);
  EXPECT_EQ(ShiftState(KMOD_RSHIFT | KMOD_LCTRL | KMOD_RALT), 7);
  // Lock keys are no modifiers to the game.
  EXPECT_EQ(ShiftState(KMOD_CAPS | KMOD_NUM), 0);
}

}  // namespace

}  // namespace ridgeline
