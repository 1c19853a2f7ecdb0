// Windows starts the game's own module again, by its wide path.
#include <windows.h>

#include <process.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/watch_next.h"

namespace ridgeline {

void WatchInstead(int rank, std::string& error) {
  std::vector<wchar_t> path(MAX_PATH);
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size()) {
    path.resize(path.size() * 2);
  }
  if (length == 0) {
    error = "cannot start watching the game: the game's own path is unknown";
    return;
  }
  const std::wstring rankText = std::to_wstring(rank);
  const wchar_t* const argv[] = {L"ridgeline", L"--watch", rankText.c_str(), nullptr};
  // Windows starts the new program and ends this one.
  _wexecv(path.data(), argv);
  error = std::string("cannot start watching the game: ") + std::strerror(errno);
}

}  // namespace ridgeline
