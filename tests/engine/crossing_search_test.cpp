// The one crossing search on a key whose changes are known exactly (its uses
// on the chart's elements and the planets' signs are tested with the judge).
#include "engine/crossing_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace horavela {
namespace {

// A quantity growing at `rate` a minute from `start`, folded into `turn`
// where it wraps, read on a grid of `grid`: its key changes at the first
// minute whose quantity reaches the next grid line, which is known exactly.
struct Ramp {
  const char* what;
  double start;
  double rate;
  double grid;
  double turn;  // 0: never wraps
  std::int64_t span;
  bool guided;
};
const Ramp kRamps[] = {
    {"slow, guided", 0.3, 0.01, 1, 0, 500, true},
    {"slow, halved", 0.3, 0.01, 1, 0, 500, false},
    {"wrapping, guided", 350, 0.25, 12, 360, 40, true},
    {"every bracket's first minute", 0.999, 0.05, 1, 0, 20, true},
    {"a change at each span's end", 0, 0.1, 2, 0, 20, false},
};

double QuantityAt(const Ramp& ramp, std::int64_t minute) {
  const double q = ramp.start + ramp.rate * static_cast<double>(minute);
  return ramp.turn > 0 ? std::fmod(q, ramp.turn) : q;
}

TEST(Crossings, FindEveryChangeOfAKeyToTheMinuteWithBothSamples) {
  struct Sample {
    std::int64_t key;
    double quantity;
  };
  for (const Ramp& ramp : kRamps) {
    SCOPED_TRACE(ramp.what);
    constexpr std::int64_t kLast = 3000;
    auto sampleAt = [&](std::int64_t minute) {
      const double q = QuantityAt(ramp, minute);
      return Sample{static_cast<std::int64_t>(std::floor(q / ramp.grid)), q};
    };
    auto same = [](const Sample& a, const Sample& b) { return a.key == b.key; };
    auto fraction = [&](const Sample& low, const Sample& high) {
      if (!ramp.guided) return std::numeric_limits<double>::quiet_NaN();
      double upper = high.quantity;
      if (ramp.turn > 0 && upper < low.quantity) upper += ramp.turn;
      return (NextOnGrid(low.quantity, ramp.grid) - low.quantity) / (upper - low.quantity);
    };
    std::vector<std::int64_t> expected;
    for (std::int64_t minute = 1; minute <= kLast; ++minute)
      if (sampleAt(minute).key != sampleAt(minute - 1).key) expected.push_back(minute);
    ASSERT_FALSE(expected.empty());

    const std::vector<Crossing<Sample>> found =
        Crossings<Sample>(0, kLast, ramp.span, sampleAt, same, fraction);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_EQ(found[i].minute, expected[i]);
      EXPECT_EQ(found[i].before.key, sampleAt(expected[i] - 1).key);
      EXPECT_EQ(found[i].after.key, sampleAt(expected[i]).key);
    }
  }
}

}  // namespace
}  // namespace horavela
