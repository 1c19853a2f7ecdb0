#include "board/board_options.h"

#include <charconv>

namespace ridgeline {

namespace {

template <typename Number>
bool ParseNumber(const std::string* text, Number lowest, Number highest, Number& value) {
  if (!text || text->empty()) return false;
  const char* end = text->data() + text->size();
  const auto [rest, ec] = std::from_chars(text->data(), end, value);
  return ec == std::errc() && rest == end && value >= lowest && value <= highest;
}

}  // namespace

std::optional<BoardOptions> ParseBoardOptions(const std::vector<std::string>& args,
                                              std::string& error) {
  BoardOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto next = [&]() -> const std::string* {
      return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    const auto bad = [&](const std::string& what) {
      error = arg + " needs " + what;
      return std::nullopt;
    };
    const auto text = [&](std::string& value) {
      const std::string* given = next();
      if (!given || given->empty()) return false;
      value = *given;
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--db") {
      if (!text(options.database)) return bad("an SQLite file or a postgresql:// URI");
    } else if (arg == "--host") {
      if (!text(options.host)) return bad("an address to listen on");
    } else if (arg == "--web") {
      if (!text(options.web)) return bad("the folder of the browser build");
    } else if (arg == "--port") {
      if (!ParseNumber(next(), 0, 65535, options.port)) return bad("a port from 0 to 65535");
    } else if (arg == "--workers") {
      if (!ParseNumber(next(), 1u, 256u, options.workers)) return bad("a number from 1 to 256");
    } else if (arg == "--queue") {
      if (!ParseNumber(next(), 1u, 4096u, options.queue)) return bad("a number from 1 to 4096");
    } else if (arg == "--rate") {
      if (!ParseNumber(next(), 1, 1000000, options.ratePerMinute)) {
        return bad("a number of submissions a minute, from 1");
      }
    } else if (arg == "--max-passes") {
      if (!ParseNumber(next(), 1L, kLongestRun, options.limits.passes)) {
        return bad("a number of passes from 1 to " + std::to_string(kLongestRun));
      }
    } else if (arg == "--cpu-seconds") {
      if (!ParseNumber(next(), 1, 86400, options.limits.cpuSeconds)) {
        return bad("a number of seconds from 1 to 86400");
      }
    } else {
      error = "unknown option " + arg + " (see --help)";
      return std::nullopt;
    }
  }
  return options;
}

std::string BoardUsage() {
  return "Usage: ridgeline-board [options]\n"
         "A board of Ridgeline scores, each checked by playing its replay again.\n"
         "  --db FILE|URI      an SQLite file (board.sqlite), or postgresql://... to share\n"
         "                     one PostgreSQL database between several boards\n"
         "  --host ADDRESS     the address to listen on (127.0.0.1)\n"
         "  --port N           the port to listen on (8080; 0: any free one, printed)\n"
         "  --web DIR          also serve the browser build in DIR at /play/\n"
         "  --workers N        submissions handled at once (one per core)\n"
         "  --queue N          submissions waiting at most, then 503 (four per worker)\n"
         "  --rate N           submissions a minute from one address, then 429 (30)\n"
         "  --max-passes N     the longest replay checked, in passes (432000: two hours)\n"
         "  --cpu-seconds N    the processor time one check may take (60)\n"
         "  --help             show this text\n"
         "POST /api/replays?name=NAME (the replay file as the body), GET /api/scores?limit=N&\n"
         "offset=M, GET /api/replays/ID, GET / (the board as a page). SIGTERM or SIGINT\n"
         "finishes the submissions under way, then stops.\n";
}

}  // namespace ridgeline
