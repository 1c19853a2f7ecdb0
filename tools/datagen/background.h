// The scrolling mountain background, 640 x 480 and opaque.
#pragma once

#include "canvas.h"
#include "common/data_files.h"

namespace datagen {

constexpr int kScreenWidth = ridgeline::BackgroundFile().width;
constexpr int kScreenHeight = ridgeline::BackgroundFile().height;
// The floor tiles cover the background from this row down.
constexpr int kFloorTop = 400;

// Sky, clouds and three ridgelines. The game scrolls it left and wraps it
// around, so every layer repeats with a period of exactly the screen width.
Canvas DrawBackground();

}  // namespace datagen
