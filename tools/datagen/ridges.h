// Mountain ridgelines and forested hills for the background. Every shape is
// built from terms that repeat exactly every kScreenWidth pixels, so each
// layer joins its own left edge when the background wraps around.
#pragma once

#include <cstdint>

#include "canvas.h"

namespace datagen {

struct RidgeStyle {
  std::uint32_t seed;
  int peaks;                 // how many summits along the width
  int highest, lowest;       // range of the summits' rows
  int min_slope, max_slope;  // steepness of the flanks, in rows per 16 columns
  int jaggedness;            // height of the small-scale roughness of the crest
  Ink shadow, body, lit;     // the shaded west face, its dimmer foot, the sunlit east face
  int snow_line;             // summits above this row wear snow (0 for none)
  Ink haze;                  // the mist the foot of the range fades into
  int haze_top, haze_bottom;
};

// A range of sharp summits, lit by the sun in the east (to the right), and
// filled down to the haze_bottom row.
void DrawRidge(Canvas& canvas, const RidgeStyle& style);

// Rolling hills covered in pine trees, from the crest at about `crest` down to
// the bottom of the canvas.
void DrawForest(Canvas& canvas, int crest);

}  // namespace datagen
