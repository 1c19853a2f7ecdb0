// The page watches a kept game at its own address, ?watch=NAME, as its Watch
// buttons do: the browser loads the page again for it.
#include <emscripten.h>

#include "app/watch_next.h"
#include "common/path_text.h"
#include "replay/replay_run.h"

namespace ridgeline {

void WatchInstead(int rank, std::string& error) {
  const auto file = KeptReplayFile(std::to_string(rank), error);
  if (!file) return;
  const std::string name = Utf8FromPath(PathFromUtf8(*file).filename());
  EM_ASM({ location.assign('?watch=' + encodeURIComponent(UTF8ToString($0))); }, name.c_str());
}

}  // namespace ridgeline
