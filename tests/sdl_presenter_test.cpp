#include <gtest/gtest.h>

#include "media/directx/sdl_picture.h"
#include "media/sdl/renderer_presenter.h"

namespace ridgeline {

namespace {

// The renderer's way of showing the picture, checked with SDL's software
// renderer on its display without a screen: the same calls that a graphics
// processor's renderer gets.
class RendererPresenterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window_ = SDL_CreateWindow("test", 0, 0, 1366, 768, 0);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer_, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  // The renderer's pixel at (x, y), as 0xRRGGBB.
  Uint32 OutputPixel(int x, int y) {
    Uint32 pixel = 0;
    SDL_Rect at{x, y, 1, 1};
    SDL_RenderReadPixels(renderer_, &at, SDL_PIXELFORMAT_RGB888, &pixel, 4);
    return pixel & 0xFFFFFF;
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;  // owned by the presenter once made
};

TEST_F(RendererPresenterTest, ScalesThePictureIntoTheOutputOnBlack) {
  SdlSurfacePtr picture = NewPicture(640, 480);
  SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, 0, 0, 255));
  SDL_Rect corner{0, 0, 1, 1};
  SDL_FillRect(picture.get(), &corner, SDL_MapRGB(picture->format, 255, 0, 0));

  RendererPresenter presenter(renderer_);
  ASSERT_TRUE(presenter.Prepare()) << SDL_GetError();
  presenter.Draw(ViewOf(*picture));
  // 1366 x 768: the height fitted, 1024 x 768 at x 171.
  EXPECT_EQ(OutputPixel(170, 0), 0x000000u);
  EXPECT_EQ(OutputPixel(171, 0), 0xFF0000u);
  EXPECT_EQ(OutputPixel(1194, 767) & 0xF8F8F8, 0x0000F8u);
  EXPECT_EQ(OutputPixel(1195, 767), 0x000000u);
  presenter.Show();
}

TEST_F(RendererPresenterTest, CountsSdlsOwnRendererAsSoftware) {
  EXPECT_TRUE(RendersInSoftware(renderer_));
  SDL_DestroyRenderer(renderer_);
}

}  // namespace

}  // namespace ridgeline
