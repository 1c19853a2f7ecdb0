#include "scripted_run.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/run_setup.h"
#include "fixture_data.h"
#include "headless_game.h"
#include "media/platform/platform.h"
#include "read_file.h"

namespace ridgeline {

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

ScriptedRun RunScript(std::string_view script, long passes, const ScriptedRunSettings& settings) {
  const std::string dir = TempDir("scripted-run");
  Options options;
  options.headless = true;
  options.seed = settings.seed;
  options.frames = passes;
  options.input = dir + "/input.txt";
  options.trace = dir + "/trace.jsonl";
  if (settings.record) options.record = dir + "/record.txt";
  options.dumpFrames = settings.dumpFrames;
  std::ofstream(options.input, std::ios::binary) << script;

  ScriptedRun run;
  HeadlessGame game;
  auto setup = RunSetup::Prepare(options, run.error);
  if (setup) {
    setup->Attach(CurrentPlatform());
    run.status = game.Run(passes);
    if (!setup->Finish(run.error)) run.status = -1;
    run.trace = Lines(ReadFile(options.trace));
    if (settings.record) run.record = ReadFile(options.record);
  }
  std::filesystem::remove_all(dir);
  return run;
}

std::string TraceValue(std::string_view line, std::string_view key) {
  std::string quoted(1, '"');
  quoted.append(key).append("\":");
  const auto start = line.find(quoted);
  if (start == std::string_view::npos) return {};
  std::size_t end = start + quoted.size();
  for (int depth = 0; end < line.size(); ++end) {
    const char c = line[end];
    if (c == '[') ++depth;
    if (c == ']') --depth;
    if (depth == 0 && (c == ',' || c == '}')) break;
  }
  return std::string(line.substr(start + quoted.size(), end - start - quoted.size()));
}

double TraceNumber(std::string_view line, std::string_view key) {
  const std::string text = TraceValue(line, key);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace ridgeline
