#include "media/directx/display.h"

#include <array>

#include "common/app_path.h"
#include "common/data_files.h"
#include "common/game_number.h"
#include "common/run_time_error.h"
#include "media/directx/directx.h"
#include "media/directx/window.h"

namespace ridgeline {

std::unique_ptr<DirectDraw7> DirectDraw;
std::unique_ptr<DirectDrawPrimarySurface7> PrimarySurface;
DirectDrawSurface7* BackBuffer = nullptr;
std::unique_ptr<DirectDrawSurface7> BackgroundSurface;
Table2D<std::unique_ptr<DirectDrawSurface7>, 100, 100, SpriteKind> Sprite;
Table2D<DDSURFACEDESC2, 100, 100, SpriteKind> SpriteDesc;
DDSURFACEDESC2 PrimaryDesc;
DDSURFACEDESC2 BackBufferDesc;
DDSURFACEDESC2 BackgroundDesc;

void InitDisplay() {
  if (!DirectX) DirectX = std::make_unique<DirectX7>();
  DirectDraw = DirectX->DirectDrawCreate("");
  MainWindow.Show();
  const HWND window = MainWindow.hWnd();
  DirectDraw->SetCooperativeLevel(window, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_ALLOWMODEX);
  DirectDraw->SetDisplayMode(640, 480, 16, 0, 0);

  PrimaryDesc.lFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  PrimaryDesc.ddsCaps.lCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  PrimaryDesc.lBackBufferCount = 1;
  PrimarySurface = DirectDraw->CreateSurface(PrimaryDesc);

  DDSCAPS2 caps;
  caps.lCaps = DDSCAPS_BACKBUFFER;
  BackBuffer = PrimarySurface->GetAttachedSurface(caps);
  BackBuffer->GetSurfaceDesc(BackBufferDesc);
}

void LoadGraphics() {
  BackgroundDesc.lFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
  BackgroundDesc.lHeight = BackBufferDesc.lHeight;
  BackgroundDesc.lWidth = BackBufferDesc.lWidth;
  BackgroundDesc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
  BackgroundSurface =
      DirectDraw->CreateSurfaceFromFile(DataFilePath(BackgroundFile()), BackgroundDesc);

  auto load = [](SpriteKind kind, long frame) {
    LoadSurface(*DirectDraw, DataFilePath(SpriteFile(kind, static_cast<int>(frame))),
                SpriteDesc(kind, frame), Sprite(kind, frame));
  };
  for (long frame = 0; frame <= 4; ++frame) {
    load(SpriteKind::Player, frame);
    load(SpriteKind::Enemy, frame);
    load(SpriteKind::Explosion, frame);
  }
  load(SpriteKind::SplashLogo, 0);
  load(SpriteKind::Shot, 0);
  load(SpriteKind::FloorTile, 0);
  load(SpriteKind::TitlePicture, 0);
}

void LoadSurface(DirectDraw7& display, const std::string& path, DDSURFACEDESC2& desc,
                 std::unique_ptr<DirectDrawSurface7>& slot) {
  desc.lFlags = DDSD_CAPS;
  desc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
  slot = display.CreateSurfaceFromFile(path, desc);
  ApplyColorKey(DDCOLORKEY{0, 0}, *slot);
}

void ApplyColorKey(const DDCOLORKEY& key, DirectDrawSurface7& surface) {
  surface.SetColorKey(DDCKEY_SRCBLT, key);
}

void BlitSprite(DirectDrawSurface7& destination, DirectDrawSurface7* source, double x, double y,
                double width, double height) {
  const long w = ToWhole(width);
  const long h = ToWhole(height);
  const long top = ToWhole(y);
  const long left = ToWhole(x);
  if (!source) throw RunTimeError("BlitSprite: the sprite is not loaded");
  destination.BltFast(left, top, *source, RECT{0, 0, w, h}, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
}

}  // namespace ridgeline
