#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ridgeline {

// Frame-level tests as scripts: runs the game headless inside the test
// program, on the fixture data, with its input from a script, and gives back
// what the run wrote. For example:
//
//   const ScriptedRun run = RunScript("150 down 32\n160.2 down 39\n", 200);
//   EXPECT_EQ(TraceValue(run.trace[160], "speed"), "4");
//
// run.trace[p] is the line of pass p (a restart or the end of the program
// cuts a pass short but it still has its line).

struct ScriptedRunSettings {
  std::optional<std::uint64_t> seed = 1;  // as --seed; nothing: the script's or the fixture's
  bool record = false;                    // as --record: fills ScriptedRun::record
  std::vector<std::pair<long, std::string>> dumpFrames;  // as --dump-frame (pass, file)
};

struct ScriptedRun {
  int status = -1;                 // the exit status; -1 when the run could not start
  std::string error;               // why it could not start (a script refused: "FILE:LINE: ...")
  std::vector<std::string> trace;  // one JSON object per pass, without the newline
  std::string record;              // the recorded script, when asked for
};

// Runs `script` (the text of a script) for at most `passes` passes.
ScriptedRun RunScript(std::string_view script, long passes,
                      const ScriptedRunSettings& settings = {});

// The JSON text of one key's value in a trace line: "300", "true", "[[0,180,323,0]]".
// Empty when the line has no such key.
std::string TraceValue(std::string_view line, std::string_view key);
// The value of a numeric key, read as a double.
double TraceNumber(std::string_view line, std::string_view key);

}  // namespace ridgeline
