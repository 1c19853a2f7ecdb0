// The game's own capital letters on a grid of cells, seven cells high.
#pragma once

#include <string_view>
#include <vector>

namespace datagen {

constexpr int kGlyphHeight = 7;

// One letter: kGlyphHeight rows of '#' (filled) and '.' (empty), all of the
// same width.
using Glyph = std::vector<std::string_view>;

// The glyph of a capital letter or a space; throws for any other character.
const Glyph& FindGlyph(char letter);

}  // namespace datagen
