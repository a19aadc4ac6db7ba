#include "panchang/panchang_moon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/golden_rows.h"
#include "panchang/panchang_time.h"

namespace horavela {
namespace {

TEST(PanchangMoon, Epochs) {
  GoldenTally tally("panchang Moon", "deg");
  const MoonLongitude j2000 = PanchangMoon(2451545.0);
  tally.Check("JD 2451545.0 folded", j2000.folded, 223.3145, 0.00005, "worked example");
  tally.Check("JD 2451545.0 unfolded", j2000.unfolded, 481543.3145, 0.00005, "worked example");
  const MoonLongitude epoch1900 = PanchangMoon(2415020.0);
  tally.Check("JD 2415020.0", epoch1900.folded, 265.2978, 0.00005, "worked example");
  EXPECT_EQ(epoch1900.unfolded, epoch1900.folded);  // d = 0
}

TEST(PanchangMoon, MeeusApparentLongitude) {
  GoldenTally tally("panchang Moon, apparent", "arcmin", 60);
  // 1992 April 12, 0h TD: apparent longitude 133.167265 (geometric 133.162655
  // plus nutation +0.004610).
  tally.CheckAngle("1992-04-12 0h TD", PanchangMoon(2448724.5).folded, 133.167265, 0.5 / 60,
                   "Meeus, Astronomical Algorithms, ex. 47.a");
}

TEST(PanchangMoon, DailyMotion) {
  // Between 11.8 and 15.4 degrees a day, about 13.18 on average.
  double total = 0;
  const double start = 2451545.0;
  const int days = 3652;
  for (int day = 0; day < days; day += 7) {
    const double motion =
        PanchangMoon(start + day + 1).unfolded - PanchangMoon(start + day).unfolded;
    EXPECT_GT(motion, 11.7) << day;
    EXPECT_LT(motion, 15.5) << day;
  }
  total = PanchangMoon(start + days).unfolded - PanchangMoon(start).unfolded;
  EXPECT_NEAR(total / days, 13.176, 0.01);
}

TEST(PanchangMoon, NonFiniteDateGivesNaN) {
  EXPECT_TRUE(std::isnan(PanchangMoon(NAN).folded));
  EXPECT_TRUE(std::isnan(PanchangMoon(INFINITY).folded));
}

}  // namespace
}  // namespace horavela
