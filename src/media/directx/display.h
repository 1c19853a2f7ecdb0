#pragma once

#include <memory>

#include "common/sprite_kind.h"
#include "common/table.h"
#include "media/directx/directdraw.h"
#include "media/directx/primary_surface.h"
#include "media/directx/surface.h"

namespace ridgeline {

// The display and every picture that the game shows, created once at start-up
// and kept for the whole run.
extern std::unique_ptr<DirectDraw7> DirectDraw;
extern std::unique_ptr<DirectDrawPrimarySurface7> PrimarySurface;
extern DirectDrawSurface7* BackBuffer;
extern std::unique_ptr<DirectDrawSurface7> BackgroundSurface;
// Sprite pictures by (kind, frame).
extern Table2D<std::unique_ptr<DirectDrawSurface7>, 100, 100, SpriteKind> Sprite;
extern Table2D<DDSURFACEDESC2, 100, 100, SpriteKind> SpriteDesc;
extern DDSURFACEDESC2 PrimaryDesc;
extern DDSURFACEDESC2 BackBufferDesc;
extern DDSURFACEDESC2 BackgroundDesc;

// Takes the screen and builds the flip chain; reads the back buffer's size.
void InitDisplay();
// Loads the background and all sprite pictures from the data directory.
void LoadGraphics();
void LoadSurface(DirectDraw7& display, const std::string& path, DDSURFACEDESC2& desc,
                 std::unique_ptr<DirectDrawSurface7>& slot);
void ApplyColorKey(const DDCOLORKEY& key, DirectDrawSurface7& surface);

// Copies the top-left width x height pixels of `source` to (x, y) on
// `destination`, black transparent. Positions and sizes are rounded to whole
// pixels; a copy not wholly inside both surfaces draws nothing.
void BlitSprite(DirectDrawSurface7& destination, DirectDrawSurface7* source, double x, double y,
                double width, double height);

}  // namespace ridgeline
