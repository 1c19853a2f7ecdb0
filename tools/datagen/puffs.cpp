#include "puffs.h"

#include <algorithm>
#include <climits>

namespace datagen {

int ClusterDepth(std::span<const Puff> puffs, int x, int y) {
  int deepest = INT_MIN;
  for (const Puff& puff : puffs) {
    const int dx = x - puff.centre.x;
    const int dy = y - puff.centre.y;
    const int r2 = puff.radius * puff.radius;
    deepest = std::max(deepest, kFullDepth * (r2 - dx * dx - dy * dy) / r2);
  }
  return deepest;
}

std::vector<Puff> ScatterPuffs(Rng& rng, Point centre, int count, Point spread, int min_radius,
                               int max_radius) {
  std::vector<Puff> puffs;
  for (int i = 0; i < count; ++i) {
    const Point at{centre.x + rng.Range(-spread.x, spread.x),
                   centre.y + rng.Range(-spread.y, spread.y)};
    puffs.push_back({at, rng.Range(min_radius, max_radius)});
  }
  return puffs;
}

}  // namespace datagen
