#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ridgeline {

inline constexpr std::size_t kLongestName = 24;

// What is wrong with `name` as a player's name on the board, in a few words;
// nothing when it will do: 1 to 24 characters of UTF-8, none of them a
// control character.
std::optional<std::string> NameProblem(std::string_view name);

}  // namespace ridgeline
