#include "media/sdl/graphics_processor.h"

namespace ridgeline {

// Windows has no place to look: RendersInSoftware decides once a renderer is
// made.
bool MayHaveGraphicsProcessor() {
  return true;
}

}  // namespace ridgeline
