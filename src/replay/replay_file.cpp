#include "replay/replay_file.h"

#include <algorithm>
#include <array>

#include "common/whole_number.h"

namespace ridgeline {

namespace {

constexpr std::string_view kFirstLine = "# ridgeline replay";

// The header's lines after the first, in their order.
constexpr std::string_view kScore = "# score ";
constexpr std::string_view kDate = "# date ";
constexpr std::string_view kBegan = "# began ";
constexpr std::string_view kOver = "# over ";

// "YYYY-MM-DD HH:MM:SS", digits where the pattern has them.
bool IsDate(std::string_view text) {
  constexpr std::string_view kPattern = "0000-00-00 00:00:00";
  return text.size() == kPattern.size() &&
         std::equal(text.begin(), text.end(), kPattern.begin(), [](char c, char pattern) {
           return pattern == '0' ? c >= '0' && c <= '9' : c == pattern;
         });
}

// Takes the next line off `text`, without its line end.
std::string_view NextLine(std::string_view& text) {
  const auto end = std::min(text.find('\n'), text.size());
  std::string_view line = text.substr(0, end);
  text.remove_prefix(std::min(end + 1, text.size()));
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

// The value of the header line `line` that starts with `key`; nothing when it does not.
std::optional<std::string_view> Value(std::string_view line, std::string_view key) {
  if (!line.starts_with(key)) return std::nullopt;
  return line.substr(key.size());
}

template <typename Number>
std::optional<Number> NumberAt(std::string_view line, std::string_view key) {
  const auto value = Value(line, key);
  return value ? WholeNumber<Number>(*value) : std::nullopt;
}

std::variant<ReplayHeader, std::string> ParseHeader(std::string_view text) {
  text = WithoutByteOrderMark(text);
  if (NextLine(text) != kFirstLine)
    return "it does not start with \"" + std::string(kFirstLine) + "\"";
  ReplayHeader header;
  const auto score = NumberAt<std::int64_t>(NextLine(text), kScore);
  if (!score) return "no score on line 2";
  const auto date = Value(NextLine(text), kDate);
  if (!date || !IsDate(*date)) return "no date on line 3";
  const auto began = NumberAt<long>(NextLine(text), kBegan);
  if (!began) return "no pass of the game's beginning on line 4";
  const auto over = NumberAt<long>(NextLine(text), kOver);
  if (!over) return "no pass of the game over on line 5";
  if (*over < *began) return "the game is over before it began";
  if (*over > kLongestRun) return "the game is over after more than a day of play";
  return ReplayHeader{*score, std::string(*date), *began, *over};
}

}  // namespace

std::string FormatReplay(const ReplayHeader& header, std::string_view script) {
  std::string text(kFirstLine);
  text += '\n';
  for (const auto& [key, value] : std::array<std::pair<std::string_view, std::string>, 4>{{
           {kScore, std::to_string(header.score)},
           {kDate, header.date},
           {kBegan, std::to_string(header.began)},
           {kOver, std::to_string(header.over)},
       }}) {
    text.append(key).append(value) += '\n';
  }
  return text.append(script);
}

std::variant<Replay, std::string> ParseReplay(std::string_view text) {
  auto header = ParseHeader(text);
  if (auto* refusal = std::get_if<std::string>(&header)) return std::move(*refusal);
  auto script = ParseScript(text, "");
  if (const auto* refusal = std::get_if<ScriptError>(&script)) {
    return "line " + std::to_string(refusal->line) + ": " + refusal->what;
  }
  Replay replay{std::get<ReplayHeader>(header), std::move(std::get<Script>(script))};
  if (!replay.script.seed) return "it has no seed";
  const auto& events = replay.script.events;
  if (!events.empty() && events.back().at.pass > replay.header.over) {
    return "it has events after the game-over pass";
  }
  return replay;
}

std::optional<std::string> ReplayDifference(const ReplayHeader& claim,
                                            const std::optional<GameResult>& played) {
  const std::string says = ", the file says ";
  if (!played) {
    return "pass: no game ends by pass " + std::to_string(claim.over) +
           ", where the file says one does";
  }
  if (played->over != claim.over) {
    return "pass: the game ends in pass " + std::to_string(played->over) + says +
           std::to_string(claim.over);
  }
  if (played->began != claim.began) {
    return "pass: the game begins in pass " + std::to_string(played->began) + says +
           std::to_string(claim.began);
  }
  if (played->score != claim.score) {
    return "score: the game scores " + std::to_string(played->score) + says +
           std::to_string(claim.score);
  }
  return std::nullopt;
}

}  // namespace ridgeline
