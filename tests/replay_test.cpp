#include <gtest/gtest.h>

#include "scripted_run.h"

namespace {

// Pass 101 is the last splash frame, so the title shows from pass 102 on.
constexpr long kFirstTitlePass = 102;

TEST(ScriptedRun, SameScriptAndSeedGiveTheSameTrace) {
  const std::string script = "150 down 32\n160 down 39\n200 up 39\n210 down 32\n";
  const ScriptedRun first = RunScript(script, 400);
  const ScriptedRun second = RunScript(script, 400);
  ASSERT_EQ(first.status, 0) << first.error;
  ASSERT_EQ(first.trace.size(), 400u);
  EXPECT_EQ(first.trace, second.trace);
  EXPECT_EQ(TraceValue(first.trace[kFirstTitlePass], "state"), "3");
  EXPECT_EQ(TraceValue(first.trace[150], "state"), "1");
  EXPECT_EQ(TraceValue(first.trace[160], "speed"), "4");
  EXPECT_EQ(TraceValue(first.trace[200], "speed"), "0");
}

}  // namespace
