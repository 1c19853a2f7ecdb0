#include "image.h"

namespace datagen {

Image ToImage(const Canvas& canvas) {
  Image image{canvas.width(), canvas.height(), {}};
  image.pixels.reserve(static_cast<std::size_t>(canvas.width() * canvas.height()));
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) image.pixels.push_back(RgbOf(canvas.at(x, y)));
  }
  return image;
}

}  // namespace datagen
