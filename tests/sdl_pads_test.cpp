// Game pads as keys: the stick's dead zone and hysteresis, keys held by
// several controls, and a pad through SDL's game-controller API, on SDL's
// virtual joystick.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/app_path.h"
#include "media/sdl/pad_keys.h"
#include "media/sdl/sdl_video.h"

namespace ridgeline {

namespace {

TEST(StickAxis, TakesADirectionPastHalfWayAndLetsGoOnlyNearTheCentre) {
  StickAxis axis;
  const std::pair<int, int> moves[] = {
      {5000, 0},  {15999, 0},   {16000, 1},  {9000, 1},  {12000, 1}, {8000, 1},    {7999, 0},
      {12000, 0}, {-16000, -1}, {-8000, -1}, {-7999, 0}, {32767, 1}, {-32768, -1}, {0, 0},
  };
  for (const auto& [position, direction] : moves) {
    EXPECT_EQ(axis.Move(position), direction) << position;
  }
}

// Key events as "+38" (down) and "-38" (up).
std::string Keys(const std::vector<WindowEvent>& events) {
  std::string text;
  for (const WindowEvent& event : events) {
    if (!text.empty()) text += ' ';
    text += event.kind == WindowEvent::Kind::KeyDown ? '+' : '-';
    text += std::to_string(event.keyCode);
  }
  return text;
}

// A virtual pad with SDL's own mapping for it, plugged into the game's window.
class VirtualPadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppPath(RIDGELINE_BUILD_DIR);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    // SDL's display without a screen never gives the window the focus, and
    // SDL drops a pad's events while the game's window has none.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    video_.ShowWindow("Now Loading...");
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(index, 0) << SDL_GetError();
    pad_ = SDL_JoystickOpen(index);
    ASSERT_NE(pad_, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    if (pad_) SDL_JoystickClose(pad_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  // The key events that the game gets from the window until there are none.
  std::string GameKeys() {
    std::vector<WindowEvent> events;
    WindowEvent event;
    while (video_.PollEvent(event)) events.push_back(event);
    return Keys(events);
  }
  std::string Button(SDL_GameControllerButton button, bool pressed) {
    SDL_JoystickSetVirtualButton(pad_, button, pressed ? 1 : 0);
    return GameKeys();
  }
  std::string Stick(SDL_GameControllerAxis axis, Sint16 position) {
    SDL_JoystickSetVirtualAxis(pad_, axis, position);
    return GameKeys();
  }

  SdlVideo video_{SdlVideo::Settings{true, 1}};
  SDL_Joystick* pad_ = nullptr;
};

TEST_F(VirtualPadTest, PressesTheKeysThatItsButtonsAndStickStandFor) {
  EXPECT_EQ(GameKeys(), "");  // plugged in: no key yet
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_A, true), "+38");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true), "");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_A, false), "");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_DPAD_UP, false), "-38");
  EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, 20000), "+39");
  EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, 12000), "");
  EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, 4000), "-39");
  EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_RIGHTX, 30000), "");  // the right stick is no key
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_X, true), "+32");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_B, true), "");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_X, false), "");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_B, false), "-32");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_START, true), "+13");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_BACK, true), "+27");
  EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_Y, true), "");
  EXPECT_EQ(Stick(SDL_CONTROLLER_AXIS_LEFTX, -30000), "+37");
  // Pulled out while held: every key it held is let go, in whichever order
  // SDL reports the controls.
  SDL_JoystickClose(pad_);
  pad_ = nullptr;
  ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0) << SDL_GetError();
  std::istringstream released(GameKeys());
  std::vector<std::string> keys{std::istream_iterator<std::string>(released), {}};
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"-13", "-27", "-37"}));
}

}  // namespace

}  // namespace ridgeline
