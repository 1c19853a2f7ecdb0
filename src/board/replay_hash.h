#pragma once

#include <string>
#include <string_view>

namespace ridgeline {

// The SHA-256 digest of `bytes`, in lower-case hex: what tells one replay on
// the board from another.
std::string Sha256Hex(std::string_view bytes);

}  // namespace ridgeline
