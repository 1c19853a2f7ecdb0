#pragma once

#include <vector>

namespace ridgeline {

// How the pixels of a frame are laid out. The game's display has one format:
// 16 bits a pixel, 5 red, 6 green, 5 blue, from the high bits down.
enum class PixelFormat { Rgb565 };

// A finished frame as the drivers and the frame watchers see it: its pixels,
// row after row `pitch` bytes apart, without saying where they are kept.
struct FrameView {
  const void* pixels = nullptr;
  int pitch = 0;
  int width = 0;
  int height = 0;
  PixelFormat format = PixelFormat::Rgb565;
};

// The bytes of a 24-bit BMP file of `frame`; throws RunTimeError when it
// cannot make them.
std::vector<unsigned char> EncodeFrameBmp(const FrameView& frame);

}  // namespace ridgeline
