// The desktop's icon of the game: the runner in full stride.
#pragma once

#include "canvas.h"

namespace datagen {

// The runner's first stride frame cropped to the figure, centred on a clear
// `size` x `size` square at the largest whole scale that fits it: n times
// larger where there is room, else one pixel for every n x n block.
Canvas DrawIcon(int size);

}  // namespace datagen
