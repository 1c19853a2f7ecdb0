#include "bench_game.h"

#include "media/app_path.h"
#include "media/headless/headless_platform.h"
#include "media/media.h"

using namespace ridgeline;

BenchGame::BenchGame() {
  SetPlatform(MakeHeadlessPlatform().platform);
  SetAppPath(RIDGELINE_DATA_PARENT);
}

BenchGame::~BenchGame() {
  ReleaseMedia();
}
