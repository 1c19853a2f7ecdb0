#include "media/files/png_file.h"

#include <png.h>

#include <memory>
#include <string>

#include "common/run_time_error.h"
#include "media/directx/sdl_picture.h"

namespace ridgeline {

void WritePng(const FrameView& frame, std::FILE* out) {
  const SdlSurfacePtr rgb = Rgb24Copy(frame);
  if (!rgb) throw RunTimeError(std::string("cannot convert the picture: ") + SDL_GetError());
  // libpng's simplified interface reports failures in the image record rather
  // than by a long jump through the caller's frames.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(rgb->w);
  image.height = static_cast<png_uint_32>(rgb->h);
  image.format = PNG_FORMAT_RGB;
  // A row's length in components, which for 8-bit samples is its length in bytes.
  const bool written = png_image_write_to_stdio(&image, out, 0, rgb->pixels, rgb->pitch, nullptr);
  const std::string message = image.message;
  png_image_free(&image);
  if (!written || std::fflush(out) != 0 || std::ferror(out)) {
    throw RunTimeError("cannot write the PNG file" +
                       (message.empty() ? std::string() : ": " + message));
  }
}

}  // namespace ridgeline
