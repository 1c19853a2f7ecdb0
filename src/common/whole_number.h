#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace ridgeline {

// A whole number written in decimal digits only, as every number the game
// reads is (options, settings, scripts, replays): no sign, no spaces, nothing
// after it, and within `Number`'s range.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace ridgeline
