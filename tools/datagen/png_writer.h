// PNG pictures, the form desktops take icons in: the palette is the colour
// table and Ink::Clear is fully transparent.
#pragma once

#include "bytes.h"
#include "canvas.h"

namespace datagen {

Bytes EncodePng(const Canvas& picture);

}  // namespace datagen
