#include "media/app_path.h"

#include <SDL.h>

namespace ridgeline {

namespace {

std::string BasePath() {
  char* base = SDL_GetBasePath();
  std::string path = base ? base : ".";
  SDL_free(base);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string& Stored() {
  static std::string path = BasePath();
  return path;
}

}  // namespace

const std::string& AppPath() {
  return Stored();
}

void SetAppPath(std::string path) {
  Stored() = std::move(path);
}

std::string DataFilePath(const DataFile& file) {
  return AppPath() + "/Data/" + std::string(file.path);
}

}  // namespace ridgeline
