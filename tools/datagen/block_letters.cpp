#include "block_letters.h"

#include <algorithm>

#include "pixel_font.h"
#include "raster.h"
#include "shading.h"

namespace datagen {
namespace {

bool Filled(const Glyph& g, int col, int row) {
  if (row < 0 || row >= kGlyphHeight || col < 0 || col >= static_cast<int>(g[0].size())) {
    return false;
  }
  return g[row][col] == '#';
}

// One cell as a block; a corner is cut where nothing of the letter adjoins it.
void DrawCell(Canvas& canvas, const Glyph& g, int col, int row, Point origin,
              const BlockStyle& style, Ink ink) {
  for (int y = 0; y < style.cell_height; ++y) {
    for (int x = 0; x < style.cell_width; ++x) {
      const int dx = x < style.cell_width / 2 ? -1 : 1;
      const int dy = y < style.cell_height / 2 ? -1 : 1;
      const int from_x = dx < 0 ? x : style.cell_width - 1 - x;
      const int from_y = dy < 0 ? y : style.cell_height - 1 - y;
      const bool open_corner =
          !Filled(g, col + dx, row) && !Filled(g, col, row + dy) && !Filled(g, col + dx, row + dy);
      if (open_corner && from_x + from_y < style.bevel) continue;
      canvas.set(origin.x + col * style.cell_width + x, origin.y + row * style.cell_height + y,
                 ink);
    }
  }
}

// Cells that touch only at a corner are joined by a wedge on either side of
// that corner, so diagonal strokes run on unbroken.
void BridgeDiagonals(Canvas& canvas, const Glyph& g, int col, int row, Point origin,
                     const BlockStyle& style, Ink ink) {
  const int w = style.cell_width;
  const int h = style.cell_height;
  for (const int dx : {-1, 1}) {
    if (!Filled(g, col + dx, row + 1) || Filled(g, col + dx, row) || Filled(g, col, row + 1)) {
      continue;
    }
    const Point corner{origin.x + (col + (dx > 0 ? 1 : 0)) * w, origin.y + (row + 1) * h};
    const Point above[] = {corner, {corner.x, corner.y - h / 2}, {corner.x + dx * w / 2, corner.y}};
    const Point below[] = {corner, {corner.x - dx * w / 2, corner.y}, {corner.x, corner.y + h / 2}};
    FillPolygon(canvas, above, ink);
    FillPolygon(canvas, below, ink);
  }
}

}  // namespace

int TextWidth(std::string_view text, const BlockStyle& style) {
  int cells = 0;
  for (const char letter : text) {
    cells += static_cast<int>(FindGlyph(letter)[0].size()) + style.spacing;
  }
  return (cells - style.spacing) * style.cell_width;
}

void DrawBlockText(Canvas& canvas, std::string_view text, Point at, const BlockStyle& style,
                   Ink ink) {
  Point origin = at;
  for (const char letter : text) {
    const Glyph& g = FindGlyph(letter);
    const int columns = static_cast<int>(g[0].size());
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int col = 0; col < columns; ++col) {
        if (!Filled(g, col, row)) continue;
        DrawCell(canvas, g, col, row, origin, style, ink);
        BridgeDiagonals(canvas, g, col, row, origin, style, ink);
      }
    }
    origin.x += (columns + style.spacing) * style.cell_width;
  }
}

void DrawRaisedText(Canvas& canvas, std::string_view text, Point at, const BlockStyle& style,
                    const LetterPaint& paint) {
  Canvas face(canvas.width(), canvas.height());
  DrawBlockText(face, text, at, style, paint.face_top);
  for (int d = paint.depth; d >= 1; --d) {
    const Ink side = d > paint.depth / 2 ? paint.depth_far : paint.depth_near;
    for (int y = 0; y < face.height(); ++y) {
      for (int x = 0; x < face.width(); ++x) {
        if (face.at(x, y) != Ink::Clear) canvas.set(x + d, y + d, side);
      }
    }
  }
  const int height = kGlyphHeight * style.cell_height;
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      if (face.at(x, y) == Ink::Clear) continue;
      // Dithered steps down the ramp from the top of the line to its bottom.
      const int position = (y - at.y) * paint.face_steps * 16 / height;
      const int step = position / 16 + (Dither(x, y, position % 16) ? 1 : 0);
      Ink ink = Ramp(paint.face_top, -std::min(step, paint.face_steps));
      if (face.at(x, y - 1) == Ink::Clear || face.at(x, y - 2) == Ink::Clear) {
        ink = Lighter(paint.face_top);
      }
      if (face.at(x + 1, y) == Ink::Clear || face.at(x, y + 1) == Ink::Clear) ink = paint.rim;
      canvas.set(x, y, ink);
    }
  }
}

}  // namespace datagen
