// Pictures made of lettering: the title and the studio logo, on black.
#pragma once

#include "canvas.h"

namespace datagen {

// "RIDGELINE" in bold, shaded block letters, 572 x 158.
Canvas draw_title();

// The studio's emblem and name for the splash screen, 400 x 300.
Canvas draw_studio_logo();

}  // namespace datagen
