#include "media/files/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"

namespace ridgeline {

std::string PngBytes(const FrameView& frame) {
  const SdlSurfacePtr rgb = Rgb24Copy(frame);
  if (!rgb) throw RunTimeError(std::string("cannot convert the picture: ") + SDL_GetError());
  // libpng's simplified interface reports failures in the image record rather
  // than by a long jump through the caller's frames.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(rgb->w);
  image.height = static_cast<png_uint_32>(rgb->h);
  image.format = PNG_FORMAT_RGB;
  // Asked once for the size, once for the bytes. A row's length is given in
  // components, which for 8-bit samples is its length in bytes.
  png_alloc_size_t size = 0;
  std::string bytes;
  bool written =
      png_image_write_to_memory(&image, nullptr, &size, 0, rgb->pixels, rgb->pitch, nullptr);
  if (written) {
    bytes.resize(size);
    written =
        png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb->pixels, rgb->pitch, nullptr);
    bytes.resize(size);
  }
  const std::string message = image.message;
  png_image_free(&image);
  if (!written) {
    throw RunTimeError("cannot make the PNG file" +
                       (message.empty() ? std::string() : ": " + message));
  }
  return bytes;
}

void WritePng(const FrameView& frame, std::FILE* out) {
  const std::string bytes = PngBytes(frame);
  if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fflush(out) != 0) {
    throw RunTimeError(std::string("cannot write the PNG file: ") + std::strerror(errno));
  }
}

}  // namespace ridgeline
