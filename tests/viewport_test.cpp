#include "media/sdl/viewport.h"

#include <gtest/gtest.h>

namespace ridgeline {

namespace {

TEST(FitPicture, ScalesByTheLargestWholeFactorAndCentres) {
  EXPECT_EQ(FitPicture(1920, 1080), (Viewport{320, 60, 1280, 960}));
  EXPECT_EQ(FitPicture(3840, 2160), (Viewport{640, 120, 2560, 1920}));
  EXPECT_EQ(FitPicture(2560, 1440), (Viewport{320, 0, 1920, 1440}));
  EXPECT_EQ(FitPicture(1280, 960), (Viewport{0, 0, 1280, 960}));
  // A factor limited by the width, not the height.
  EXPECT_EQ(FitPicture(1300, 2000), (Viewport{10, 520, 1280, 960}));
}

TEST(FitPicture, FitsTheHeightKeepingFourToThreeWhereNoFactorOfTwoFits) {
  EXPECT_EQ(FitPicture(800, 600), (Viewport{0, 0, 800, 600}));
  EXPECT_EQ(FitPicture(1366, 768), (Viewport{171, 0, 1024, 768}));
  EXPECT_EQ(FitPicture(1024, 768), (Viewport{0, 0, 1024, 768}));
  // Exactly 640 x 480 fits once, untouched.
  EXPECT_EQ(FitPicture(640, 480), (Viewport{0, 0, 640, 480}));
  // Just short of a factor of two: the whole height, not a factor of one
  // with a wide black frame.
  EXPECT_EQ(FitPicture(1279, 959), (Viewport{0, 0, 1278, 959}));
}

TEST(FitPicture, FitsTheWidthOfOutputsNarrowerThanFourToThree) {
  EXPECT_EQ(FitPicture(600, 1000), (Viewport{0, 275, 600, 450}));
  EXPECT_EQ(FitPicture(320, 480), (Viewport{0, 120, 320, 240}));
}

TEST(FitPicture, GivesNothingForAnOutputOfNoArea) {
  EXPECT_EQ(FitPicture(0, 480), Viewport{});
  EXPECT_EQ(FitPicture(640, 0), Viewport{});
  EXPECT_EQ(FitPicture(-5, 100), Viewport{});
  // A tiny window still shows the whole picture, however small.
  EXPECT_EQ(FitPicture(4, 3), (Viewport{0, 0, 4, 3}));
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
