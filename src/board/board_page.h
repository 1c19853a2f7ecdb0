#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/score_store.h"

namespace ridgeline {

// `text` made safe to stand as text or as an attribute's value in HTML.
std::string EscapeHtml(std::string_view text);

// The board as a plain HTML page: rank, name, score, the game's length and
// the time, each entry linked to its replay file; and a link to the game's
// page when the board serves it at `gamePage` (empty: none).
std::string BoardPage(const std::vector<BoardEntry>& entries, std::int64_t total,
                      std::string_view gamePage);

}  // namespace ridgeline
