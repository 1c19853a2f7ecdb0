// Plain 24-bit bottom-up Windows bitmaps, the form SDL_LoadBMP reads.
#pragma once

#include "bytes.h"
#include "canvas.h"

namespace datagen {

// The picture with every ink written as its palette colour.
Bytes EncodeBmp(const Canvas& picture);

}  // namespace datagen
