// Fire painted over a cluster of puffs, hottest at the puffs' centres.
#pragma once

#include <span>

#include "canvas.h"
#include "puffs.h"

namespace datagen {

// Inks by heat: white core, yellow, orange, red, dark red rim; `heat` 100
// makes the very centre white hot, less gives a cooler fire.
void DrawFlames(Canvas& canvas, std::span<const Puff> puffs, int heat);

}  // namespace datagen
