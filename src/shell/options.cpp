#include "shell/options.h"

#include <charconv>

namespace {

bool ParseCount(const std::string& text, long& value) {
  const char* end = text.data() + text.size();
  auto [rest, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && rest == end && value >= 0;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) return nullptr;
      return &args[++i];
    };
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--windowed") {
      options.windowed = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--frames") {
      const std::string* count = value();
      if (!count || !ParseCount(*count, options.frames)) {
        error = "--frames needs a whole number of passes";
        return std::nullopt;
      }
    } else {
      error = "unknown option " + arg + " (see --help)";
      return std::nullopt;
    }
  }
  return options;
}

std::string Usage() {
  return "Usage: ridgeline [options]\n"
         "  --windowed      play in a window instead of full screen\n"
         "  --headless      no window, no sound device, no pacing\n"
         "  --frames N      end after N passes of the frame loop\n"
         "  --help          show this text\n"
         "  --version       show the version\n";
}
