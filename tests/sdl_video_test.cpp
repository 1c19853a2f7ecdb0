#include "media/sdl/sdl_video.h"

#include <gtest/gtest.h>

#include "common/run_time_error.h"
#include "media/sdl_picture.h"

namespace ridgeline {

namespace {

// SdlVideo on SDL's display without a screen: real windows, pixels and event
// queue, nothing shown.
class SdlVideoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

  static SDL_Window* Window(const SdlVideo& video) {
    return SDL_GetWindowFromID(static_cast<Uint32>(video.WindowHandle()));
  }

  // The window's pixel at (x, y) as red, green and blue.
  static SDL_Color WindowPixel(const SdlVideo& video, int x, int y) {
    SDL_Surface* screen = SDL_GetWindowSurface(Window(video));
    const auto* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
    SDL_Color c{0, 0, 0, 255};
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], screen->format, &c.r, &c.g, &c.b);
    return c;
  }

  // A game picture: blue, with a red pixel at (0, 0) and a green one at (1, 0).
  static SdlSurfacePtr Picture() {
    SdlSurfacePtr picture = NewPicture(640, 480);
    SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, 0, 0, 255));
    SDL_Rect red{0, 0, 1, 1};
    SDL_FillRect(picture.get(), &red, SDL_MapRGB(picture->format, 255, 0, 0));
    SDL_Rect green{1, 0, 1, 1};
    SDL_FillRect(picture.get(), &green, SDL_MapRGB(picture->format, 0, 255, 0));
    return picture;
  }
};

// Equal but for the rounding of 5 and 6 bits of a channel up to 8.
bool Same(SDL_Color a, SDL_Color b) {
  auto near = [](int x, int y) { return x - y <= 4 && y - x <= 4; };
  return near(a.r, b.r) && near(a.g, b.g) && near(a.b, b.b);
}

constexpr SDL_Color kRed{255, 0, 0, 255};
constexpr SDL_Color kGreen{0, 255, 0, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};
constexpr SDL_Color kBlack{0, 0, 0, 255};

TEST_F(SdlVideoTest, OpensTheGameWindowAtTheAskedScale) {
  SdlVideo video(SdlVideo::Settings{true, 2});
  video.ShowWindow("Now Loading...");
  SDL_Window* window = Window(video);
  ASSERT_NE(window, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Ridgeline");
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window, &width, &height);
  EXPECT_EQ(width, 1280);
  EXPECT_EQ(height, 960);
  EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE, 0u);
  // A window asked for stays one when the display takes it over.
  video.SetFullScreen(true);
  EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST_F(SdlVideoTest, ShuttingDownHandsBackAWindowThatNeverOpened) {
  SdlVideo video(SdlVideo::Settings{true, 2});
  EXPECT_NO_THROW(video.SetFullScreen(false));
}

TEST_F(SdlVideoTest, ShowsEveryGamePixelAsASharpSquareAtEveryWholeScale) {
  const SdlSurfacePtr picture = Picture();
  for (int scale = 1; scale <= 5; ++scale) {
    SdlVideo video(SdlVideo::Settings{true, scale});
    video.ShowWindow("Now Loading...");
    video.Present(ViewOf(*picture));
    const int last = scale - 1;
    EXPECT_TRUE(Same(WindowPixel(video, 0, 0), kRed)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, last, last), kRed)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, scale, 0), kGreen)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, scale + last, last), kGreen)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, 2 * scale, 0), kBlue)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, 0, scale), kBlue)) << scale;
    EXPECT_TRUE(Same(WindowPixel(video, 640 * scale - 1, 480 * scale - 1), kBlue)) << scale;
  }
}

TEST_F(SdlVideoTest, FitsAResizedWindowsHeightBetweenBlackBars) {
  SdlVideo video(SdlVideo::Settings{true, 2});
  video.ShowWindow("Now Loading...");
  SDL_SetWindowSize(Window(video), 1366, 768);
  video.Present(ViewOf(*Picture()));
  EXPECT_TRUE(Same(WindowPixel(video, 170, 0), kBlack));
  EXPECT_TRUE(Same(WindowPixel(video, 171, 0), kRed));
  EXPECT_TRUE(Same(WindowPixel(video, 1194, 767), kBlue));
  EXPECT_TRUE(Same(WindowPixel(video, 1195, 767), kBlack));
}

TEST_F(SdlVideoTest, GoesFullScreenOnTheDesktopAndLeavesItAgain) {
  SdlVideo video(SdlVideo::Settings{});
  video.ShowWindow("Now Loading...");
  SDL_Window* window = Window(video);
  video.SetFullScreen(true);
  EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP,
            static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP));
  video.SetFullScreen(false);
  EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST_F(SdlVideoTest, HandsKeysClicksAndClosingToTheGameInItsOwnTerms) {
  SdlVideo video(SdlVideo::Settings{true, 2});
  video.ShowWindow("Now Loading...");
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_ESCAPE;
  key.key.keysym.mod = KMOD_LSHIFT;
  key.key.repeat = 1;  // repeats are key-downs too
  SDL_PushEvent(&key);
  key.type = SDL_KEYUP;
  key.key.keysym.sym = SDLK_RIGHT;
  key.key.keysym.mod = KMOD_NONE;
  SDL_PushEvent(&key);
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_RIGHT;
  SDL_PushEvent(&click);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);

  WindowEvent event;
  ASSERT_TRUE(video.PollEvent(event));
  EXPECT_EQ(event.kind, WindowEvent::Kind::KeyDown);
  EXPECT_EQ(event.keyCode, 27);
  EXPECT_EQ(event.shift, 1);
  ASSERT_TRUE(video.PollEvent(event));
  EXPECT_EQ(event.kind, WindowEvent::Kind::KeyUp);
  EXPECT_EQ(event.keyCode, 39);
  ASSERT_TRUE(video.PollEvent(event));
  EXPECT_EQ(event.kind, WindowEvent::Kind::MouseDown);
  EXPECT_EQ(event.button, 2);
  ASSERT_TRUE(video.PollEvent(event));
  EXPECT_EQ(event.kind, WindowEvent::Kind::Close);
  EXPECT_FALSE(video.PollEvent(event));
}

}  // namespace

}  // namespace ridgeline
