// A review sheet of every picture: a mock play screen built from the real
// pictures, then each picture on a checkerboard that shows its transparency.
#pragma once

#include "artwork.h"

namespace datagen {

Canvas DrawContactSheet(const Artwork& art);

}  // namespace datagen
