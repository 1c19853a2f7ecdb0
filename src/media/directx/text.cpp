#include "media/directx/text.h"

#include <SDL_ttf.h>

#include <array>
#include <cstdint>

#include "common/run_time_error.h"
#include "media/directx/surface.h"

namespace ridgeline {

extern "C" const unsigned char ridgeline_font_data[];
extern "C" const std::uint64_t ridgeline_font_size;

namespace {

// The text operation's own typeface and size: the screens choose only colours.
constexpr int kPointSize = 14;

// The screens draw the same few texts frame after frame, so rendered lines are
// kept: a frame then only copies them.
struct RenderedLine {
  std::string text;
  Uint32 colour = 0;
  SdlSurfacePtr surface;
  std::uint64_t lastUse = 0;
};

// Opened on first use and kept until ReleaseText.
TTF_Font* font = nullptr;
std::array<RenderedLine, 8> cache;
std::uint64_t uses = 0;  // lines drawn so far: the age of a rendered line

TTF_Font* Font() {
  if (font) return font;
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    throw RunTimeError(std::string("cannot start the font renderer: ") + TTF_GetError());
  }
  SDL_RWops* rw = SDL_RWFromConstMem(ridgeline_font_data, static_cast<int>(ridgeline_font_size));
  font = rw ? TTF_OpenFontRW(rw, 1, kPointSize) : nullptr;
  if (!font) throw RunTimeError(std::string("cannot open the game's font: ") + TTF_GetError());
  return font;
}

SDL_Surface* Rendered(const std::string& text, SDL_Color colour) {
  const Uint32 key = colour.r | colour.g << 8 | colour.b << 16;
  ++uses;
  RenderedLine* oldest = &cache[0];
  for (RenderedLine& line : cache) {
    if (line.surface && line.colour == key && line.text == text) {
      line.lastUse = uses;
      return line.surface.get();
    }
    if (line.lastUse < oldest->lastUse) oldest = &line;
  }
  // Solid rendering gives crisp pixels with a transparent background.
  SdlSurfacePtr surface(TTF_RenderUTF8_Solid(Font(), text.c_str(), colour));
  if (!surface) throw RunTimeError(std::string("cannot draw text: ") + TTF_GetError());
  *oldest = RenderedLine{text, key, std::move(surface), uses};
  return oldest->surface.get();
}

}  // namespace

int TextWidth(const std::string& text) {
  int width = 0;
  if (TTF_SizeUTF8(Font(), text.c_str(), &width, nullptr) != 0) {
    throw RunTimeError(std::string("cannot measure text: ") + TTF_GetError());
  }
  return width;
}

void DrawTextLine(SDL_Surface& target, int x, int y, const std::string& text, SDL_Color colour) {
  if (text.empty()) return;
  SDL_Rect to{x, y, 0, 0};
  SDL_BlitSurface(Rendered(text, colour), nullptr, &target, &to);
}

void ReleaseText() {
  cache = {};
  uses = 0;
  if (font) TTF_CloseFont(font);
  font = nullptr;
  if (TTF_WasInit() != 0) TTF_Quit();
}

}  // namespace ridgeline
