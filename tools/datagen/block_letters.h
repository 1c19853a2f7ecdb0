// Big lettering built from the pixel font: every cell of a glyph becomes a
// block, and the outer corners of the letters are cut off at an angle.
#pragma once

#include <string_view>

#include "canvas.h"

namespace datagen {

struct BlockStyle {
  int cell_width, cell_height;  // size of one font cell in pixels
  int spacing;                  // empty cells between letters
  int bevel;                    // pixels cut off each outer corner
};

// Width in pixels of `text` set in `style`.
int TextWidth(std::string_view text, const BlockStyle& style);

// Fills the shape of `text` with `ink`, its top-left corner at `at`.
void DrawBlockText(Canvas& canvas, std::string_view text, Point at, const BlockStyle& style,
                   Ink ink);

struct LetterPaint {
  Ink face_top;               // the face is shaded along this ramp, lightest at the top...
  int face_steps;             // ...going this many inks darker towards the bottom
  Ink rim;                    // the face's lower and right edge
  Ink depth_near, depth_far;  // the letters' solid sides, near and far
  int depth;                  // how far the sides reach down and to the right
};

// Lettering that stands out of the picture: a face shaded from top to bottom
// with a bright upper edge, on solid sides receding down and to the right.
void DrawRaisedText(Canvas& canvas, std::string_view text, Point at, const BlockStyle& style,
                    const LetterPaint& paint);

}  // namespace datagen
