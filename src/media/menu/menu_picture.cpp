#include "media/menu/menu_picture.h"

#include "media/directx/text.h"
#include "media/sdl/viewport.h"

namespace ridgeline {

namespace {

// The colours of the game's own pictures: its soil, grass and forest, the
// green of its title text and the glow of a shot.
constexpr SDL_Color kSoil{72, 44, 28, 255};
constexpr SDL_Color kSoilDark{48, 28, 18, 255};
constexpr SDL_Color kGrass{96, 176, 56, 255};
constexpr SDL_Color kGrassLight{168, 224, 96, 255};
constexpr SDL_Color kForest{30, 86, 48, 255};
constexpr SDL_Color kTitleGreen{0, 255, 0, 255};
constexpr SDL_Color kCream{244, 236, 214, 255};
constexpr SDL_Color kShotGlow{255, 200, 64, 255};
constexpr SDL_Color kMist{176, 186, 214, 255};

constexpr int kTextHeight = 16;
constexpr int kPadding = 14;

void Fill(SDL_Surface& picture, int x, int y, int width, int height, SDL_Color colour) {
  const SDL_Rect rect{x, y, width, height};
  SDL_FillRect(&picture, &rect, SDL_MapRGB(picture.format, colour.r, colour.g, colour.b));
}

// A board of soil in a frame of grass, lit from above as the game's tiles are.
void DrawBoard(SDL_Surface& picture, int x, int y, int width, int height) {
  Fill(picture, x - 4, y - 4, width + 8, height + 8, kSoilDark);
  Fill(picture, x - 3, y - 3, width + 6, height + 6, kGrass);
  Fill(picture, x - 3, y - 3, width + 6, 2, kGrassLight);
  Fill(picture, x, y, width, height, kSoil);
}

void DrawCentred(SDL_Surface& picture, int y, const std::string& text, SDL_Color colour) {
  DrawTextLine(picture, (kPictureWidth - TextWidth(text)) / 2, y, text, colour);
}

}  // namespace

void DrawMenu(SDL_Surface& picture, const MenuView& view) {
  using L = MenuLayout;
  const int rows = static_cast<int>(view.rows.size());
  const int top = L::kFirstRow - 2 * kPadding - kTextHeight;
  const int bottom = L::kFirstRow + rows * L::kRowHeight + kPadding + kTextHeight + kPadding;
  DrawBoard(picture, L::kLeft, top, L::kWidth, bottom - top);
  DrawCentred(picture, top + kPadding, view.title, kTitleGreen);
  Fill(picture, L::kLeft + kPadding, L::kFirstRow - kPadding / 2 - 1, L::kWidth - 2 * kPadding, 1,
       kGrass);
  for (int i = 0; i < rows; ++i) {
    const MenuRow& row = view.rows[i];
    const int y = L::kFirstRow + i * L::kRowHeight;
    const int textY = y + (L::kRowHeight - kTextHeight) / 2;
    if (row.selected) {
      Fill(picture, L::kLeft + 6, y + 1, L::kWidth - 12, L::kRowHeight - 2, kForest);
      DrawTextLine(picture, L::kLeft + 12, textY, ">", kShotGlow);
    }
    DrawTextLine(picture, L::kLeft + 28, textY, row.label, row.selected ? kShotGlow : kCream);
    DrawTextLine(picture, L::kLeft + L::kWidth - 20 - TextWidth(row.value), textY, row.value,
                 row.selected ? kShotGlow : kMist);
  }
  DrawCentred(picture, bottom - kPadding - kTextHeight, view.hint, kMist);
}

void DrawDimmed(SDL_Surface& picture, SDL_Surface& onto) {
  SDL_SetSurfaceColorMod(&picture, 96, 96, 96);
  SDL_BlitSurface(&picture, nullptr, &onto, nullptr);
  SDL_SetSurfaceColorMod(&picture, 255, 255, 255);
}

void DrawNotice(SDL_Surface& picture, const std::string& text) {
  const int width = TextWidth(text) + 2 * kPadding;
  const int height = kTextHeight + kPadding;
  const int x = (kPictureWidth - width) / 2;
  const int y = 40;
  DrawBoard(picture, x, y, width, height);
  DrawCentred(picture, y + kPadding / 2, text, kCream);
}

}  // namespace ridgeline
