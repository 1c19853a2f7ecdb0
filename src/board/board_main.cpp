// ridgeline-board: a board of scores, each kept only once the board has
// played its replay again and seen the score itself.

#include <httplib.h>

#include <cstdio>
#include <thread>

#include "app/data_folder.h"
#include "board/board_options.h"
#include "board/board_routes.h"
#include "board/stop_signals.h"
#include "common/app_path.h"
#include "common/exit_status.h"

using namespace ridgeline;

namespace {

// The most a submission's body may be: far more than a game of hours.
constexpr std::size_t kLargestBody = 4u << 20;
// A client that sends or takes its bytes slower than this is let go.
constexpr int kSlowClientSeconds = 10;
// Connections handled at once besides the ones waiting for a check: room
// to read the board, and to say "busy", while every worker is checking.
constexpr unsigned kSpareConnections = 4;

int Fail(const std::string& message, int status = kFailureStatus) {
  std::fprintf(stderr, "ridgeline-board: %s\n", message.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const auto options = ParseBoardOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) return Fail(error, kUsageStatus);
  if (options->help) {
    std::fputs(BoardUsage().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kFailureStatus;
  }
  HoldStopSignals();

  // The checks play the game, with its data.
  if (const auto appPath = FindAppPath(error)) {
    SetAppPath(*appPath);
  } else {
    return Fail(error);
  }
  std::unique_ptr<ScoreStore> store;
  try {
    store = std::make_unique<ScoreStore>(OpenDatabase(options->database));
  } catch (const DatabaseError& failure) {
    return Fail(failure.what());
  }

  const unsigned workers =
      options->workers ? options->workers : std::max(1u, std::thread::hardware_concurrency());
  const unsigned waiting = options->queue ? options->queue : 4 * workers;
  WorkQueue checks(workers, waiting);
  RateLimit rate(options->ratePerMinute);
  BoardServices services{*store, checks, rate, options->limits,
                         options->web.empty() ? "" : "/play/"};

  httplib::Server server;
  const unsigned connections = workers + waiting + kSpareConnections;
  server.new_task_queue = [connections] { return new httplib::ThreadPool(connections); };
  server.set_payload_max_length(kLargestBody);
  server.set_read_timeout(kSlowClientSeconds, 0);
  server.set_write_timeout(kSlowClientSeconds, 0);
  server.set_file_extension_and_mimetype_mapping("wasm", "application/wasm");
  // A board without the game's page is still a board: said, not fatal.
  // The page's files carry a mark, which the page asks for before it asks for
  // the board's scores.
  if (!options->web.empty() &&
      !server.set_mount_point("/play", options->web, {{"X-Ridgeline-Board", "1"}})) {
    std::fprintf(stderr,
                 "ridgeline-board: %s: no folder there; the game's page is not served (make web "
                 "builds it)\n",
                 options->web.c_str());
    services.gamePage.clear();
  }
  AddBoardRoutes(server, services);

  const int port = options->port == 0 ? server.bind_to_any_port(options->host)
                   : server.bind_to_port(options->host, options->port) ? options->port
                                                                       : -1;
  if (port < 0) {
    return Fail("cannot listen on " + options->host + ":" + std::to_string(options->port));
  }
  std::printf("ridgeline-board: listening on http://%s:%d/\n", options->host.c_str(), port);
  std::fflush(stdout);

  // A stop finishes the requests under way, the checks among them, and then
  // the listening ends.
  std::thread stopper([&] {
    WaitForStopSignal();
    server.stop();
  });
  const bool listened = server.listen_after_bind();
  // Stopped by a signal or failed: either way the waiting ends.
  SendStopSignal();
  stopper.join();
  if (!listened) return Fail("stopped listening: the server failed");
  std::fprintf(stderr, "ridgeline-board: stopped\n");
  return 0;
}
