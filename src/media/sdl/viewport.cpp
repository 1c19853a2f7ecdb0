#include "media/sdl/viewport.h"

#include <algorithm>
#include <cstdint>

namespace ridgeline {

namespace {

Viewport Centred(int outputWidth, int outputHeight, int width, int height) {
  return Viewport{(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

}  // namespace

Viewport FitPicture(int outputWidth, int outputHeight) {
  if (outputWidth <= 0 || outputHeight <= 0) return Viewport{};
  const int factor = std::min(outputWidth / kPictureWidth, outputHeight / kPictureHeight);
  if (factor >= 2) {
    return Centred(outputWidth, outputHeight, factor * kPictureWidth, factor * kPictureHeight);
  }
  // 4:3 kept: the height fits unless the output is narrower than 4:3. The
  // products stay far inside 64 bits for any size a screen can have.
  const std::int64_t widthForHeight = std::int64_t{outputHeight} * kPictureWidth / kPictureHeight;
  if (widthForHeight <= outputWidth) {
    return Centred(outputWidth, outputHeight, static_cast<int>(widthForHeight), outputHeight);
  }
  const std::int64_t heightForWidth = std::int64_t{outputWidth} * kPictureHeight / kPictureWidth;
  return Centred(outputWidth, outputHeight, outputWidth, static_cast<int>(heightForWidth));
}

Scaling SharpScaling(const Viewport& viewport) {
  auto factorFor = [](int size, int pictureSize) { return (size + pictureSize - 1) / pictureSize; };
  const int factor = std::max(
      {1, factorFor(viewport.width, kPictureWidth), factorFor(viewport.height, kPictureHeight)});
  return Scaling{factor, viewport.width != factor * kPictureWidth ||
                             viewport.height != factor * kPictureHeight};
}

int LargestWindowScale(int areaWidth, int areaHeight) {
  return std::max(1, std::min(areaWidth / kPictureWidth, areaHeight / kPictureHeight));
}

}  // namespace ridgeline
