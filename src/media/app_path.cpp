#include "media/app_path.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace ridgeline {

namespace {

std::string BasePath() {
#ifdef __EMSCRIPTEN__
  // Under Node the game reads the real file system, beside its .js file; in
  // a browser its data is packed under "/".
  std::string path = emscripten_run_script_string("typeof __dirname == 'string' ? __dirname : '/'");
#else
  char* base = SDL_GetBasePath();
  std::string path = base ? base : ".";
  SDL_free(base);
#endif
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
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

}  // namespace ridgeline
