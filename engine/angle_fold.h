#pragma once

#include <cmath>

namespace horavela {

// The theories fold angles with "while below 0 add a turn, while above a turn
// subtract one". Done literally, a huge argument spins for ages and a
// non-finite one forever. These do the same in one step: for finite input the
// repeated additions or subtractions are exact until the last one, which is
// also the only rounding step here, so the results are bit for bit the same.

// While below 0 add `turn`; then while above `turn` subtract it. A whole
// number of turns above 0 gives `turn` itself, below 0 gives 0. Non-finite
// input gives NaN.
inline double FoldUpToTurn(double x, double turn) {
  if (!std::isfinite(x)) return NAN;
  double r = std::fmod(x, turn);  // exact, carries the sign of x
  if (r < 0) return r + turn;
  if (r == 0) return x > 0 ? turn : 0.0;
  return r;
}

// While at or above `turn` subtract it; values below are left alone.
inline double ReduceBelowTurn(double x, double turn) {
  if (!std::isfinite(x)) return NAN;
  if (x < turn) return x;
  return std::fmod(x, turn);
}

// The integer part (floor) of x as an index 0..count-1, or -1 when x is not
// finite or falls outside that range.
inline int FloorIndex(double x, int count) {
  if (!(x >= 0) || !(x < count)) return -1;
  return static_cast<int>(std::floor(x));
}

}  // namespace horavela
