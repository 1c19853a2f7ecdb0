#include "media/sdl/sdl_keys.h"

#include <gtest/gtest.h>

#include <map>

namespace ridgeline {

namespace {

TEST(VirtualKeyCode, GivesTheGameItsKeysByTheirPlatformCodes) {
  EXPECT_EQ(VirtualKeyCode(SDLK_BACKSPACE), 8);
  EXPECT_EQ(VirtualKeyCode(SDLK_RETURN), 13);
  EXPECT_EQ(VirtualKeyCode(SDLK_ESCAPE), 27);
  EXPECT_EQ(VirtualKeyCode(SDLK_SPACE), 32);
  EXPECT_EQ(VirtualKeyCode(SDLK_LEFT), 37);
  EXPECT_EQ(VirtualKeyCode(SDLK_UP), 38);
  EXPECT_EQ(VirtualKeyCode(SDLK_RIGHT), 39);
  EXPECT_EQ(VirtualKeyCode(SDLK_DOWN), 40);
}

TEST(VirtualKeyCode, GivesLettersDigitsAndFunctionKeysTheirRanges) {
  for (SDL_Keycode key = SDLK_a; key <= SDLK_z; ++key) {
    EXPECT_EQ(VirtualKeyCode(key), 'A' + (key - SDLK_a)) << SDL_GetKeyName(key);
  }
  for (SDL_Keycode key = SDLK_0; key <= SDLK_9; ++key) {
    EXPECT_EQ(VirtualKeyCode(key), '0' + (key - SDLK_0)) << SDL_GetKeyName(key);
  }
  EXPECT_EQ(VirtualKeyCode(SDLK_F1), 112);
  EXPECT_EQ(VirtualKeyCode(SDLK_F12), 123);
  EXPECT_EQ(VirtualKeyCode(SDLK_KP_0), 96);
  EXPECT_EQ(VirtualKeyCode(SDLK_KP_9), 105);
  // The keypad's Enter is Return to the game, and both Shifts are one key.
  EXPECT_EQ(VirtualKeyCode(SDLK_KP_ENTER), 13);
  EXPECT_EQ(VirtualKeyCode(SDLK_LSHIFT), VirtualKeyCode(SDLK_RSHIFT));
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
