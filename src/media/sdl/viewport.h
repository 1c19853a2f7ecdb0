#pragma once

namespace ridgeline {

// Where the game's 640 x 480 picture goes in a window or screen of a given
// size, in that output's pixels.
struct Viewport {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Viewport&) const = default;
};

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;

// A window this many times 640 x 480 is larger than any screen made: a larger
// factor is a mistake, and its pixels alone would take gigabytes.
inline constexpr int kLargestScale = 16;

// The picture scaled by the largest whole factor that fits, centred, so that
// every game pixel is a sharp square of factor x factor output pixels. Where
// no factor of 2 or more fits, the picture is scaled to the largest size that
// fits with its 4:3 shape kept: uneven pixels, but no picture left small in a
// large screen. An output of no area gets an empty viewport.
Viewport FitPicture(int outputWidth, int outputHeight);

// How the picture reaches a viewport's size and stays sharp: enlarged by a
// whole factor, every pixel a square, and where that is not yet the
// viewport's size (below a factor of 2), smoothed down to it from the
// smallest such enlargement that is at least as large. Pixels then blur
// evenly at their edges, rather than coming out one or two output pixels
// wide by turns.
struct Scaling {
  int factor = 1;
  bool smoothDown = false;

  bool operator==(const Scaling&) const = default;
};
Scaling SharpScaling(const Viewport& viewport);

// The largest whole factor by which a window holding the picture fits in the
// given area (the desktop's usable area); at least 1.
int LargestWindowScale(int areaWidth, int areaHeight);

}  // namespace ridgeline
