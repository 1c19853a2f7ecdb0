#pragma once

namespace ridgeline {

// The flag values, records and result codes that the game passes to the
// display and sound objects, named as the platform's documentation names them.

// Cooperative levels.
constexpr long DDSCL_FULLSCREEN = 1;
constexpr long DDSCL_NORMAL = 8;
constexpr long DDSCL_EXCLUSIVE = 16;
constexpr long DDSCL_ALLOWMODEX = 64;
constexpr long DSSCL_EXCLUSIVE = 3;

// Surface description fields and capabilities.
constexpr long DDSD_CAPS = 1;
constexpr long DDSD_HEIGHT = 2;
constexpr long DDSD_WIDTH = 4;
constexpr long DDSD_BACKBUFFERCOUNT = 32;
constexpr long DDSCAPS_BACKBUFFER = 4;
constexpr long DDSCAPS_COMPLEX = 8;
constexpr long DDSCAPS_FLIP = 16;
constexpr long DDSCAPS_OFFSCREENPLAIN = 64;
constexpr long DDSCAPS_PRIMARYSURFACE = 512;

// Colour keys, copies and flips.
constexpr long DDCKEY_SRCBLT = 8;
constexpr long DDBLTFAST_SRCCOLORKEY = 1;
constexpr long DDBLTFAST_WAIT = 16;
constexpr long DDFLIP_WAIT = 1;

// Result codes of the two calls whose results the game may discard.
constexpr long DD_OK = 0;
constexpr long DDERR_INVALIDRECT = 0x88760096;

// Sound buffers.
constexpr long DSBCAPS_STATIC = 2;
constexpr long DSBPLAY_LOOPING = 1;

// The multimedia calls used at shutdown.
constexpr long SND_ASYNC = 1;
constexpr long SND_NODEFAULT = 2;

struct DDSCAPS2 {
  long lCaps = 0;
};

struct DDSURFACEDESC2 {
  long lFlags = 0;
  long lWidth = 0;
  long lHeight = 0;
  long lBackBufferCount = 0;
  DDSCAPS2 ddsCaps;
};

struct DDCOLORKEY {
  long low = 0;
  long high = 0;
};

// Right and bottom are exclusive.
struct RECT {
  long Left = 0;
  long Top = 0;
  long Right = 0;
  long Bottom = 0;
};

struct DSBUFFERDESC {
  long lFlags = 0;
};

// Handed to the platform when a sound buffer is created; the game never sets
// or reads it, and the buffer describes its own format.
struct WAVEFORMATEX {};

// The handle of the game's window as the display and sound objects see it.
using HWND = long;

}  // namespace ridgeline
