#include <windows.h>

#include <string>

#include "app/program_folder.h"
#include "app/replay_check.h"
#include "common/path_text.h"

namespace ridgeline {

namespace {

// The statuses of --verify: verified, not verified.
constexpr DWORD kVerified = 0;
constexpr DWORD kNotVerified = 1;

// `text` as one argument of a command line: quoted, and the backslashes
// before a quote doubled, as the C library splits the line.
std::wstring Quoted(const std::wstring& text) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : text) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L'"';
}

}  // namespace

std::optional<bool> VerifyInOwnRun(const std::string& path) {
  std::string unknown;
  const auto own = ProgramPath(unknown);
  if (!own) return std::nullopt;
  const std::wstring program = own->wstring();
  std::wstring line = Quoted(program) + L" --verify " + Quoted(PathFromUtf8(path).wstring());
  // Quiet: what it prints is this program's to say; with its standard
  // streams given, it shows no message box either.
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const HANDLE nothing =
      CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  &inherited, OPEN_EXISTING, 0, nullptr);
  if (nothing == INVALID_HANDLE_VALUE) return std::nullopt;
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = start.hStdOutput = start.hStdError = nothing;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &start, &child);
  CloseHandle(nothing);
  if (!started) return std::nullopt;
  DWORD status = 0;
  const bool ended = WaitForSingleObject(child.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  if (!ended || (status != kVerified && status != kNotVerified)) return std::nullopt;
  return status == kVerified;
}

}  // namespace ridgeline
