// Clusters of overlapping round puffs: the shape of fireballs, smoke and clouds.
#pragma once

#include <span>
#include <vector>

#include "canvas.h"
#include "fixed_math.h"

namespace datagen {

struct Puff {
  Point centre;
  int radius;
};

constexpr int kFullDepth = 256;

// How deep (x, y) lies inside the cluster: kFullDepth at a puff's centre,
// falling to 0 at its rim and below 0 outside every puff.
int ClusterDepth(std::span<const Puff> puffs, int x, int y);

// `count` puffs of radius min_radius..max_radius scattered around `centre`,
// no further than spread.x from it across and spread.y up or down.
std::vector<Puff> ScatterPuffs(Rng& rng, Point centre, int count, Point spread, int min_radius,
                               int max_radius);

}  // namespace datagen
