#include <windows.h>

#include <cstdio>

#include "app/player_console.h"
#include "common/path_text.h"

namespace ridgeline {

namespace {

// Standard error as the starting program gave it: a pipe or a file that it
// reads, rather than a console or nothing.
bool errorsRedirected = false;

bool Given(DWORD stream) {
  const HANDLE handle = GetStdHandle(stream);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void ReachParentConsole() {
  const bool output = Given(STD_OUTPUT_HANDLE);
  errorsRedirected = Given(STD_ERROR_HANDLE);
  if ((output && errorsRedirected) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!output) std::freopen("CONOUT$", "w", stdout);
  if (!errorsRedirected) std::freopen("CONOUT$", "w", stderr);
}

void ShowFailure(const std::string& line) {
  if (errorsRedirected) return;
  // The line is UTF-8: a file's name in it may be in any language.
  MessageBoxW(nullptr, PathFromUtf8(line).c_str(), L"Ridgeline", MB_OK | MB_ICONERROR);
}

}  // namespace ridgeline
