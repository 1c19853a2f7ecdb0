#include "bench_game.h"

#include "common/app_path.h"
#include "media/directx/media.h"
#include "media/headless/headless_platform.h"

using namespace ridgeline;

BenchGame::BenchGame() {
  SetPlatform(MakeHeadlessPlatform().platform);
  SetAppPath(RIDGELINE_DATA_PARENT);
}

BenchGame::~BenchGame() {
  ReleaseMedia();
}
