#pragma once

namespace horavela {

struct MoonLongitude {
  double unfolded;  // apparent tropical longitude before folding, degrees
  double folded;    // the same in 0..360
};

// Apparent tropical longitude of the Moon at a Julian date in dynamical time.
MoonLongitude PanchangMoon(double jd);

}  // namespace horavela
