#pragma once

#include <cstdio>

#include "media/directx/frame_view.h"

namespace ridgeline {

// Writes `frame` to `out` as a PNG file of 8-bit RGB: the same colours as the
// BMP file that SaveFrameBmp saves of it. Throws RunTimeError when it cannot.
void WritePng(const FrameView& frame, std::FILE* out);

}  // namespace ridgeline
