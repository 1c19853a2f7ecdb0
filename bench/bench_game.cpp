#include "bench_game.h"

#include "media/app_path.h"
#include "media/display.h"
#include "media/headless/headless_sound.h"
#include "media/media.h"
#include "media/platform.h"
#include "media/sound.h"

using namespace ridgeline;

BenchGame::BenchGame() {
  Platform platform;
  platform.video = std::make_unique<HeadlessVideo>();
  platform.sound = std::make_unique<HeadlessSound>();
  SetPlatform(std::move(platform));
  SetAppPath(RIDGELINE_DATA_PARENT);
}

BenchGame::~BenchGame() {
  ReleaseMedia();
}

void BenchGame::LoadMedia() {
  InitSound();
  InitDisplay();
  LoadSounds();
  LoadGraphics();
}
