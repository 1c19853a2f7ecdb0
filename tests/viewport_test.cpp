#include "media/sdl/viewport.h"

#include <gtest/gtest.h>

namespace ridgeline {

namespace {

TEST(FitPicture, ScalesByWholeFactorsElseFitsKeepingFourToThreeAndCentres) {
  const std::pair<std::pair<int, int>, Viewport> fits[] = {
      {{1920, 1080}, {320, 60, 1280, 960}},
      {{3840, 2160}, {640, 120, 2560, 1920}},
      {{2560, 1440}, {320, 0, 1920, 1440}},
      {{1280, 960}, {0, 0, 1280, 960}},
      {{1300, 2000}, {10, 520, 1280, 960}},  // a factor limited by the width
      // No factor of two fits: the whole height, keeping four to three.
      {{800, 600}, {0, 0, 800, 600}},
      {{1366, 768}, {171, 0, 1024, 768}},
      {{640, 480}, {0, 0, 640, 480}},
      {{1279, 959}, {0, 0, 1278, 959}},  // not a factor of one in a wide black frame
      // Narrower than four to three: the whole width.
      {{600, 1000}, {0, 275, 600, 450}},
      {{320, 480}, {0, 120, 320, 240}},
      {{4, 3}, {0, 0, 4, 3}},  // however small, the whole picture
      // No area: nothing.
      {{0, 480}, {}},
      {{640, 0}, {}},
      {{-5, 100}, {}},
  };
  for (const auto& [output, viewport] : fits) {
    EXPECT_EQ(FitPicture(output.first, output.second), viewport)
        << output.first << " x " << output.second;
  }
}

TEST(SharpScaling, EnlargesByWholeFactorsAndSmoothsDownOnlyBelowTwo) {
  EXPECT_EQ(SharpScaling(FitPicture(1920, 1080)), (Scaling{2, false}));
  EXPECT_EQ(SharpScaling(FitPicture(640, 480)), (Scaling{1, false}));
  EXPECT_EQ(SharpScaling(FitPicture(1366, 768)), (Scaling{2, true}));
  EXPECT_EQ(SharpScaling(FitPicture(1279, 959)), (Scaling{2, true}));
  EXPECT_EQ(SharpScaling(FitPicture(320, 240)), (Scaling{1, true}));
  EXPECT_EQ(SharpScaling(Viewport{}), (Scaling{1, true}));
}

TEST(LargestWindowScale, IsTheLargestFactorThatFitsAndAtLeastOne) {
  EXPECT_EQ(LargestWindowScale(1920, 1080), 2);
  EXPECT_EQ(LargestWindowScale(1920, 1040), 2);  // a desktop less its task bar
  EXPECT_EQ(LargestWindowScale(3840, 2160), 4);
  EXPECT_EQ(LargestWindowScale(1280, 960), 2);
  EXPECT_EQ(LargestWindowScale(1279, 2000), 1);
  EXPECT_EQ(LargestWindowScale(800, 600), 1);
  EXPECT_EQ(LargestWindowScale(320, 200), 1);
  EXPECT_EQ(LargestWindowScale(0, 0), 1);
}

}  // namespace

}  // namespace ridgeline
