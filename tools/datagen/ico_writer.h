// Windows icon files (.ico), the form an .exe carries its icon in: one
// picture for each size, each a 32-bit bitmap with its transparency mask.
#pragma once

#include <vector>

#include "bytes.h"
#include "canvas.h"

namespace datagen {

// The pictures are square, at most 256 pixels wide; Ink::Clear is transparent.
Bytes EncodeIco(const std::vector<Canvas>& pictures);

}  // namespace datagen
