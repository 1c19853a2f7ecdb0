// Plain 24-bit bottom-up Windows bitmaps, the form SDL_LoadBMP reads.
#pragma once

#include "bytes.h"
#include "image.h"

namespace datagen {

Bytes EncodeBmp(const Image& image);

}  // namespace datagen
