#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "app/replay_check.h"

namespace ridgeline {

namespace {

// The kernel's link to the running program.
constexpr const char* kOwnExecutable = "/proc/self/exe";
// The statuses of --verify: verified, not verified.
constexpr int kVerified = 0;
constexpr int kNotVerified = 1;

}  // namespace

std::optional<bool> VerifyInOwnRun(const std::string& path) {
  // Quiet: what it prints is this program's to say.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int stream : {0, 1, 2}) {
    posix_spawn_file_actions_addopen(&actions, stream, "/dev/null", stream ? O_WRONLY : O_RDONLY,
                                     0);
  }
  const std::string verify = "--verify";
  char* const arguments[] = {const_cast<char*>(kOwnExecutable), const_cast<char*>(verify.c_str()),
                             const_cast<char*>(path.c_str()), nullptr};
  pid_t child = 0;
  const int failure = posix_spawn(&child, kOwnExecutable, &actions, nullptr, arguments, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) return std::nullopt;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!WIFEXITED(status)) return std::nullopt;
  if (WEXITSTATUS(status) == kVerified) return true;
  if (WEXITSTATUS(status) == kNotVerified) return false;
  return std::nullopt;
}

}  // namespace ridgeline
