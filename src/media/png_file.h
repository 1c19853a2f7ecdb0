#pragma once

#include <SDL.h>

#include <cstdio>

namespace ridgeline {

// Writes `picture`, of any pixel format, to `out` as a PNG file of 8-bit RGB:
// the same colours as a BMP that SDL would save of it. Throws RunTimeError
// when it cannot.
void WritePng(const SDL_Surface& picture, std::FILE* out);

}  // namespace ridgeline
