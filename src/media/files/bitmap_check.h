#pragma once

#include <SDL.h>

#include <optional>
#include <string>

namespace ridgeline {

// The largest picture the game takes: a 1920 x 1080 background fits, and with
// all twenty pictures this large the game still needs well under 256 MB.
constexpr long kMaxBitmapPixels = 1L << 21;
constexpr long kMaxBitmapSide = 16384;

// Reads a bitmap file's headers before SDL decodes it and says why the file
// must be refused, or nothing when SDL may decode it. SDL trusts the header:
// it allocates whatever size the header claims before reading a single row,
// so a damaged or hostile file is refused here, on the size, depth and
// compression it claims and on whether the file holds all the rows it claims.
// Leaves the file where it was.
std::optional<std::string> BitmapRefusal(SDL_RWops& file);

}  // namespace ridgeline
