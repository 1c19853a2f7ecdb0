#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <variant>

#include "replay/script.h"

namespace ridgeline {

namespace {

using Kind = ScriptEvent::Kind;

Script Accepted(std::string_view text) {
  auto parsed = ParseScript(text, "s.txt");
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    ADD_FAILURE() << "refused: " << error->Text();
    return {};
  }
  return std::get<Script>(parsed);
}

TEST(ScriptParse, ReadsSeedEventsCommentsAndBlankLinesInEveryLayout) {
  const std::pair<std::string, Script> accepted[] = {
      {"# leave the title, then run right\n\nseed 42\n150 down 32\n  160.2\tdown   39  \n"
       "   # an indented comment\n160.2 up 39\n999 click\n",
       {42,
        {{{150, 0}, Kind::KeyDown, 32},
         {{160, 2}, Kind::KeyDown, 39},
         {{160, 2}, Kind::KeyUp, 39},
         {{999, 0}, Kind::Click, 0}}}},
      // Windows line ends, a byte-order mark and no final newline.
      {"\xEF\xBB\xBFseed 1\r\n3 down 8\r\n4 up 8",
       {1, {{{3, 0}, Kind::KeyDown, 8}, {{4, 0}, Kind::KeyUp, 8}}}},
      {"", {}},
      {"# nothing\n\n", {}},
      {"0 down 0\n0 up 65535\n", {{}, {{{0, 0}, Kind::KeyDown, 0}, {{0, 0}, Kind::KeyUp, 65535}}}},
      {"seed 18446744073709551615\n", {18446744073709551615ULL, {}}},
  };
  for (const auto& [text, script] : accepted) EXPECT_EQ(Accepted(text), script) << text;
}

TEST(ScriptParse, ARefusalNamesTheFileLineAndFault) {
  const std::tuple<const char*, int, const char*> refusals[] = {
      {"1 down 32\n\nfire 3\n", 3, "unknown directive 'fire'"},
      {"-1 down 32\n", 1, "unknown directive '-1'"},
      {"1 down 65536\n", 1, "key code 65536 is outside 0..65535"},
      // Digits only, as for every number of a script: no sign at all.
      {"1 up -1\n", 1, "bad key code '-1' (digits only)"},
      {"1 up -0\n", 1, "bad key code '-0' (digits only)"},
      {"1 down +13\n", 1, "bad key code '+13' (digits only)"},
      {"1 down 99999999999999999999\n", 1, "key code 99999999999999999999 is outside 0..65535"},
      {"1 down 3x\n", 1, "bad key code '3x' (digits only)"},
      {"1 down\n", 1, "a key code is missing"},
      {"5.1 down 32\n5.1 up 32\n5 click\n", 3, "event at 5.0 comes before the previous one at 5.1"},
      {"7 down 32\n# between\n6.9 up 32\n", 3, "event at 6.9 comes before the previous one at 7.0"},
      {"seed 1\n# again\nseed 2\n", 3, "a second seed (the first is on line 1)"},
      {"1 click\nseed 3\n", 2, "the seed must come before every event"},
      {"seed\n", 1, "bad seed '' (a whole number 0..18446744073709551615)"},
      {"seed 18446744073709551616\n", 1,
       "bad seed '18446744073709551616' (a whole number 0..18446744073709551615)"},
      {"1x down 3\n", 1, "bad event point '1x' (PASS or PASS.POINT, whole numbers)"},
      {"1.2.3 down 3\n", 1, "bad event point '1.2.3' (PASS or PASS.POINT, whole numbers)"},
      {"99999999999999999999 click\n", 1,
       "bad event point '99999999999999999999' (PASS or PASS.POINT, whole numbers)"},
      {"1 press 32\n", 1, "expected down, up or click after '1', found 'press'"},
      {"1\n", 1, "expected down, up or click after '1', found nothing"},
      {"1 click 3\n", 1, "unexpected '3' at the end of the line"},
      {"1 down 32 # comment\n", 1, "unexpected '#' at the end of the line"},
      // Control characters never reach the terminal through a message.
      {"\x1b[2J\n", 1, "unknown directive '\\x1b[2J'"},
      {"1 click \xff\x07\n", 1, "unexpected '\\xff\\x07' at the end of the line"},
  };
  for (const auto& [text, line, message] : refusals) {
    auto parsed = ParseScript(text, "dir/s.txt");
    const auto* error = std::get_if<ScriptError>(&parsed);
    ASSERT_NE(error, nullptr) << "accepted: " << text;
    EXPECT_EQ(error->line, line) << text;
    EXPECT_EQ(error->file, "dir/s.txt");
    EXPECT_EQ(error->Text(), "dir/s.txt:" + std::to_string(line) + ": " + message);
  }
}

TEST(ScriptParse, AnEndlessWordIsQuotedShortAndLinesAreCountedPastTwoBillion) {
  // A file of NUL bytes is one word: the message shows 80 characters of it.
  const auto parsed = ParseScript(std::string(10 << 20, '\0'), "zeros");
  const auto* error = std::get_if<ScriptError>(&parsed);
  ASSERT_NE(error, nullptr);
  std::string shown;
  for (int i = 0; i < 20; ++i) shown += "\\x00";
  EXPECT_EQ(error->Text(), "zeros:1: unknown directive '" + shown + "...'");
  const std::string digits(100, '7');
  EXPECT_EQ(std::get<ScriptError>(ParseScript("1 down " + digits, "s")).Text(),
            "s:1: key code " + digits.substr(0, 80) + "... is outside 0..65535");
  // A script of 2^31 lines is too large to read in a test; its count must fit.
  static_assert(std::numeric_limits<decltype(ScriptError::line)>::max() > (1LL << 31));
}

TEST(ScriptParse, EveryEventReadsBackFromItsLine) {
  for (const ScriptEvent& event :
       {ScriptEvent{{0, 0}, Kind::KeyDown, 65535}, ScriptEvent{{12, 3}, Kind::KeyUp, 37},
        ScriptEvent{{2147483647, 9}, Kind::Click, 0}}) {
    const std::string line = ScriptLine(event);
    EXPECT_EQ(Accepted(line).events, std::vector<ScriptEvent>{event}) << line;
  }
  EXPECT_EQ(ScriptLine({{12, 3}, Kind::KeyUp, 37}), "12.3 up 37");
}

}  // namespace

}  // namespace ridgeline
