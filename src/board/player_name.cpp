#include "board/player_name.h"

#include <cstdint>

namespace ridgeline {

namespace {

// Takes one UTF-8 character off `text`; nothing when the bytes are not one
// (a stray or missing continuation byte, an overlong form, a surrogate, or
// beyond U+10FFFF).
std::optional<char32_t> NextCharacter(std::string_view& text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || text.size() < length) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return std::nullopt;
  }
  text.remove_prefix(length);
  return code;
}

}  // namespace

std::optional<std::string> NameProblem(std::string_view name) {
  if (name.empty()) return "a name is needed (?name=...)";
  std::size_t characters = 0;
  while (!name.empty()) {
    const auto code = NextCharacter(name);
    if (!code) return "the name is not UTF-8 text";
    if (*code < 0x20 || (*code >= 0x7F && *code < 0xA0)) {
      return "the name holds a control character";
    }
    if (++characters > kLongestName) {
      return "the name is longer than " + std::to_string(kLongestName) + " characters";
    }
  }
  return std::nullopt;
}

}  // namespace ridgeline
