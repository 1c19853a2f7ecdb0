#include <filesystem>

#include "media/sdl/graphics_processor.h"

namespace ridgeline {

// Every Linux driver for a graphics processor makes a device node.
bool MayHaveGraphicsProcessor() {
  std::error_code ignored;
  return std::filesystem::exists("/dev/dri", ignored) ||
         std::filesystem::exists("/dev/nvidiactl", ignored);
}

}  // namespace ridgeline
