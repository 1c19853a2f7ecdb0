#include "media/sdl/sdl_video.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/app_path.h"
#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"

namespace ridgeline {

namespace {

// SdlVideo on SDL's display without a screen: real windows, pixels and event
// queue, nothing shown.
class SdlVideoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The window's icon comes from the build's own data.
    SetAppPath(RIDGELINE_BUILD_DIR);
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

TEST_F(SdlVideoTest, OpensTheWindowAtTheAskedScaleAsFarAsTheDesktopHoldsIt) {
  // SDL's display without a screen is 1024 x 768: a factor of 2 does not fit.
  for (long scale : {0, 1, 2}) {
    SdlVideo video(SdlVideo::Settings{true, scale});
    video.ShowWindow("Now Loading...");
    SDL_Window* window = Window(video);
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Ridgeline");
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 640) << scale;
    EXPECT_EQ(height, 480) << scale;
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE, 0u);
    // A window asked for stays one when the display takes it over.
    video.SetFullScreen(true);
    EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
  }
}

TEST_F(SdlVideoTest, ShuttingDownHandsBackAWindowThatNeverOpened) {
  SdlVideo video(SdlVideo::Settings{true, 2});
  EXPECT_NO_THROW(video.SetFullScreen(false));
}

TEST_F(SdlVideoTest, ShowsEveryGamePixelAsASharpSquareAtEveryWholeScale) {
  const SdlSurfacePtr picture = Picture();
  for (int scale = 1; scale <= 5; ++scale) {
    SdlVideo video(SdlVideo::Settings{true, 1});
    video.ShowWindow("Now Loading...");
    SDL_SetWindowSize(Window(video), 640 * scale, 480 * scale);
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

TEST_F(SdlVideoTest, BelowAFactorOfTwoEnlargesThenSmoothsDownBetweenBlackBars) {
  SdlVideo video(SdlVideo::Settings{true, 1});
  video.ShowWindow("Now Loading...");
  SDL_SetWindowSize(Window(video), 1366, 768);
  video.Present(ViewOf(*Picture()));
  // The height fitted: 1024 x 768 at x 171, smoothed down from 1280 x 960.
  EXPECT_TRUE(Same(WindowPixel(video, 170, 0), kBlack));
  EXPECT_TRUE(Same(WindowPixel(video, 171, 0), kRed));
  // Red and green meet inside an output pixel, which blends them; the next
  // is wholly green again, so that no game pixel comes out narrower.
  const SDL_Color blend = WindowPixel(video, 172, 0);
  EXPECT_GT(blend.r, 64);
  EXPECT_GT(blend.g, 64);
  EXPECT_TRUE(Same(WindowPixel(video, 173, 0), kGreen));
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
  SdlVideo video(SdlVideo::Settings{true, 1});
  video.ShowWindow("Now Loading...");
  SDL_SetWindowSize(Window(video), 1280, 960);
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

void PushKey(Uint32 type, SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
  SDL_Event e{};
  e.type = type;
  e.key.type = type;
  e.key.keysym.sym = key;
  e.key.keysym.mod = modifiers;
  SDL_PushEvent(&e);
}

void PushWindowEvent(const SdlVideo& video, SDL_WindowEventID what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = static_cast<Uint32>(video.WindowHandle());
  e.window.event = what;
  SDL_PushEvent(&e);
}

// The events that the game gets from the window until there are none, as
// "+13" (down), "-13" (up) and "close". Each run of pushed events ends with
// SDL_QUIT, so that a pause that did not end shows as a missing close
// rather than a wait for ever.
std::string GameEvents(SdlVideo& video) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  std::string events;
  WindowEvent event;
  while (video.PollEvent(event)) {
    if (!events.empty()) events += ' ';
    if (event.kind == WindowEvent::Kind::Close) {
      events += "close";
    } else {
      events += event.kind == WindowEvent::Kind::KeyDown ? '+' : '-';
      events += std::to_string(event.keyCode);
    }
  }
  return events;
}

// A window with its first frame shown, and its hooks noted.
class DesktopKeysTest : public SdlVideoTest {
 protected:
  void Open(bool autopause, bool menu = false) {
    SdlVideo::Hooks hooks;
    hooks.settingsChanged = [this](const WindowSettings& now) {
      noted_ += now.windowed != settings_.windowed ? (now.windowed ? "window " : "full ")
                : now.muted != settings_.muted     ? "mute "
                                                   : "changed ";
      settings_ = now;
    };
    hooks.screenshot = [this](const FrameView& picture) {
      noted_ += "shot ";
      const auto* row = static_cast<const Uint8*>(picture.pixels) + 400 * picture.pitch;
      SDL_PixelFormat* format = SDL_AllocFormat(SdlPixelFormat(picture.format));
      SDL_GetRGB(reinterpret_cast<const Uint16*>(row)[600], format, &shot_.r, &shot_.g, &shot_.b);
      SDL_FreeFormat(format);
    };
    hooks.pauseChanged = [this](bool paused) { noted_ += paused ? "paused " : "resumed "; };
    // None kept the first time the page is opened, one game after.
    hooks.bestGames = [this] {
      return bestListed_++ == 0 ? std::vector<std::pair<std::string, std::string>>{}
                                : std::vector<std::pair<std::string, std::string>>{
                                      {"1.   200", "2026-12-08 10:00"}};
    };
    hooks.watch = [this](int rank) { noted_ += "watch " + std::to_string(rank) + " "; };
    hooks.submit = [this](int rank) {
      noted_ += "send " + std::to_string(rank) + " ";
      return std::string("rank 1");
    };
    settings_.autopause = autopause;
    settings_.menu = menu;
    video_ = std::make_unique<SdlVideo>(settings_, std::move(hooks));
    video_->ShowWindow("Now Loading...");
    video_->SetFullScreen(true);
    video_->Present(ViewOf(*Picture()));
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  bool FullScreen() const {
    return (SDL_GetWindowFlags(Window(*video_)) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
           SDL_WINDOW_FULLSCREEN_DESKTOP;
  }

  std::unique_ptr<SdlVideo> video_;
  WindowSettings settings_{true, 1};  // as the hooks last heard them
  std::string noted_;
  SDL_Color shot_{};  // the screenshot's pixel at (600, 400)
  int bestListed_ = 0;
};

TEST_F(DesktopKeysTest, ActOnTheDesktopAndNeverReachTheGame) {
  Open(true);
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  PushKey(SDL_KEYDOWN, SDLK_F11);
  PushKey(SDL_KEYUP, SDLK_F11);
  EXPECT_EQ(GameEvents(*video_), "+32 close");
  EXPECT_TRUE(FullScreen());
  // Alt+Enter, Alt let go first; Alt alone is the desktop's too (Alt+Tab).
  PushKey(SDL_KEYDOWN, SDLK_LALT, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
  PushKey(SDL_KEYUP, SDLK_LALT);
  PushKey(SDL_KEYUP, SDLK_RETURN);
  PushKey(SDL_KEYDOWN, SDLK_RETURN);
  PushKey(SDL_KEYUP, SDLK_RETURN);
  EXPECT_EQ(GameEvents(*video_), "+13 -13 close");
  EXPECT_FALSE(FullScreen());
  for (SDL_Keycode key : {SDLK_F9, SDLK_F12}) {
    PushKey(SDL_KEYDOWN, key);
    PushKey(SDL_KEYUP, key);
  }
  PushKey(SDL_KEYUP, SDLK_SPACE);
  EXPECT_EQ(GameEvents(*video_), "-32 close");
  EXPECT_EQ(noted_, "full window mute shot ");
}

TEST_F(DesktopKeysTest, AwayOrPausedTheGameGetsNothingThatMovesItOn) {
  Open(true);
  PushKey(SDL_KEYDOWN, SDLK_RIGHT);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_FOCUS_LOST);
  // Away: a key pressed is not the game's, but a key let go, and Escape
  // (the player leaving), still are.
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  PushKey(SDL_KEYUP, SDLK_RIGHT);
  PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  EXPECT_EQ(GameEvents(*video_), "+39 -39 +27 +32 close");
  // Minimised, and paused by hand: focus coming back does not end a pause
  // that the player chose.
  PushWindowEvent(*video_, SDL_WINDOWEVENT_MINIMIZED);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_RESTORED);
  PushKey(SDL_KEYDOWN, SDLK_PAUSE);
  PushKey(SDL_KEYUP, SDLK_PAUSE);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(SDL_KEYDOWN, SDLK_UP);
  PushKey(SDL_KEYDOWN, SDLK_PAUSE);
  PushKey(SDL_KEYDOWN, SDLK_LEFT);
  EXPECT_EQ(GameEvents(*video_), "+37 close");
  EXPECT_EQ(noted_, "paused resumed paused resumed paused resumed ");
}

TEST_F(DesktopKeysTest, PausedTheWindowShowsTheLastPictureDimmedWithoutTouchingIt) {
  Open(true);
  PushKey(SDL_KEYDOWN, SDLK_PAUSE);
  PushKey(SDL_KEYUP, SDLK_RIGHT);  // handed on, while the pause holds
  WindowEvent event;
  ASSERT_TRUE(video_->PollEvent(event));
  const SDL_Color dimmed = WindowPixel(*video_, 600, 400);
  EXPECT_GT(dimmed.b, 0);
  EXPECT_LT(dimmed.b, 128);
  // The pause lies over the picture kept, not in it: a screenshot taken
  // during the pause is the picture as the game drew it.
  PushKey(SDL_KEYDOWN, SDLK_F12);
  PushKey(SDL_KEYDOWN, SDLK_PAUSE);
  EXPECT_EQ(GameEvents(*video_), "close");
  EXPECT_EQ(noted_, "paused shot resumed ");
  EXPECT_TRUE(Same(shot_, kBlue));
}

TEST_F(DesktopKeysTest, TheMenuHoldsTheGameUntilResumedAndQHandsItEscape) {
  Open(true, true);
  for (SDL_Keycode key : {SDLK_ESCAPE, SDLK_DOWN, SDLK_ESCAPE, SDLK_SPACE, SDLK_ESCAPE, SDLK_q}) {
    PushKey(SDL_KEYDOWN, key);
    PushKey(SDL_KEYUP, key);
  }
  // Only the Space pressed between the two menus is the game's, and the
  // Escape that Q hands it; the menu's own keys are not let go to the game.
  EXPECT_EQ(GameEvents(*video_), "+32 -32 +27 close");
  EXPECT_EQ(noted_, "paused resumed paused resumed ");
}

TEST_F(DesktopKeysTest, AKeyBoundInTheMenuReachesTheGameAsItsAction) {
  Open(true, true);
  // To Keys, down to Fire, then K, and Enter to keep it alone.
  for (SDL_Keycode key : {SDLK_ESCAPE, SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN,
                          SDLK_RETURN, SDLK_k, SDLK_RETURN, SDLK_ESCAPE, SDLK_ESCAPE}) {
    PushKey(SDL_KEYDOWN, key);
  }
  // K fires; Space, bound to nothing now, is any other key.
  PushKey(SDL_KEYDOWN, SDLK_k);
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  EXPECT_EQ(GameEvents(*video_), "+32 +255 close");
  EXPECT_EQ(noted_, "paused changed resumed ");
  EXPECT_EQ(settings_.controls.lists[Controls::Fire], std::vector<int>{SDLK_k});
}

TEST_F(DesktopKeysTest, TheBestGamesPageSendsOrWatchesAGameAndEmptyTakesOnlyBack) {
  Open(true, true);
  // Up twice from Resume is Best games: empty, then with one game.
  for (SDL_Keycode key : {SDLK_ESCAPE, SDLK_UP, SDLK_UP, SDLK_RETURN, SDLK_DOWN, SDLK_RETURN,
                          SDLK_s, SDLK_ESCAPE, SDLK_RETURN, SDLK_s, SDLK_RETURN}) {
    PushKey(SDL_KEYDOWN, key);
  }
  EXPECT_EQ(GameEvents(*video_), "+27 close");
  EXPECT_EQ(noted_, "paused send 1 watch 1 resumed ");
}

TEST_F(DesktopKeysTest, WithoutAutopauseTheGamePlaysOnWhileAway) {
  Open(false);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_FOCUS_LOST);
  PushKey(SDL_KEYDOWN, SDLK_SPACE);
  PushWindowEvent(*video_, SDL_WINDOWEVENT_MINIMIZED);
  PushKey(SDL_KEYUP, SDLK_SPACE);
  EXPECT_EQ(GameEvents(*video_), "+32 -32 close");
  EXPECT_EQ(noted_, "");
}

}  // namespace

}  // namespace ridgeline
