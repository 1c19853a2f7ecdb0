#include "media/files/regular_sdl_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/file_system.h"
#include "common/regular_file.h"

namespace ridgeline {

SdlFilePtr OpenRegularSdlFile(const std::string& path, std::string& why) {
  ReadableFile file = OpenRegularFile(path, why);
  if (!file.IsOpen()) return nullptr;
  std::FILE* stream = StreamOn(file.Descriptor(), "rb");
  if (!stream) {
    why = std::strerror(errno);
    return nullptr;
  }
  file.Release();
  SdlFilePtr opened(SDL_RWFromFP(stream, SDL_TRUE));
  if (!opened) {
    std::fclose(stream);
    why = SDL_GetError();
  }
  return opened;
}

}  // namespace ridgeline
