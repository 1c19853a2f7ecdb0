// Under Node the game reads the real file system, beside its .js file; in a
// browser its data is packed under "/".
#include <emscripten.h>

#include "app/program_folder.h"

namespace ridgeline {

std::optional<std::filesystem::path> ProgramFolder(std::string&) {
  std::string path = emscripten_run_script_string("typeof __dirname == 'string' ? __dirname : '/'");
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return std::filesystem::path(path);
}

}  // namespace ridgeline
