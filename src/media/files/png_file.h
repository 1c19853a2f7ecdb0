#pragma once

#include <cstdio>
#include <string>

#include "media/directx/frame_view.h"

namespace ridgeline {

// `frame` as the bytes of a PNG file of 8-bit RGB: the same colours as the
// BMP file that SaveFrameBmp saves of it. Throws RunTimeError when it cannot.
std::string PngBytes(const FrameView& frame);

// Writes PngBytes(frame) to `out`. Throws RunTimeError when it cannot.
void WritePng(const FrameView& frame, std::FILE* out);

}  // namespace ridgeline
