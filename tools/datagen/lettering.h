// Pictures made of lettering: the title and the studio logo, on black.
#pragma once

#include "canvas.h"

namespace datagen {

// "RIDGELINE" in bold, shaded block letters, 572 x 158.
Canvas DrawTitle();

// The studio's emblem and name for the splash screen, 400 x 300.
Canvas DrawStudioLogo();

}  // namespace datagen
