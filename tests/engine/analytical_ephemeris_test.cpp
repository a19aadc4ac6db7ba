#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"

// Without its data files Swiss Ephemeris falls back to its analytical
// (Moshier) ephemeris. Whether the files are installed differs from machine
// to machine, so this test points the library at an empty folder: it runs
// alone in its own program, before anything has asked for a position.
namespace horavela {
namespace {

TEST(SwissEphemeris, WithoutDataFilesTheAnalyticalEphemerisAnswers) {
  const std::filesystem::path empty = std::filesystem::temp_directory_path() /
                                      ("horavela-no-ephemeris-" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  // The library reads SE_EPHE_PATH before any path it is given.
  ASSERT_EQ(setenv("SE_EPHE_PATH", empty.c_str(), 1), 0);

  struct Row {
    const char* what;
    double julianDayUt;
    int planet;
    double tropicalLongitude;
    double tolerance;
  };
  // Meeus, Astronomical Algorithms, examples 47.a and 33.a (0h TD, about
  // 59 s before 0h UT then), and the Sun at the March equinox of 2000.
  const Row rows[] = {
      {"Sun at equinox 2000", JulianDayNumber(3, 20, 2000) - 0.5 + (7 + 35 / 60.0) / 24.0, 0, 0.0,
       0.01},
      {"Moon 1992-04-12", JulianDayNumber(4, 12, 1992) - 0.5 - 59.0 / 86400.0, 1, 133.16726, 0.02},
      {"Venus 1992-12-20", JulianDayNumber(12, 20, 1992) - 0.5 - 59.0 / 86400.0, 3, 313.08102,
       0.02},
  };
  for (const Row& row : rows) {
    const auto longitudes = SwissEphemeris().TropicalLongitudes(row.julianDayUt, kAllPlanets);
    ASSERT_TRUE(longitudes.has_value()) << row.what;
    EXPECT_EQ(SwissEphemeris().Description(), "Swiss Ephemeris analytical (Moshier)") << row.what;
    const double error = std::remainder((*longitudes)[row.planet] - row.tropicalLongitude, 360.0);
    EXPECT_LT(std::fabs(error), row.tolerance) << row.what << " error " << error * 60 << "'";
  }
  std::filesystem::remove(empty);
}

}  // namespace
}  // namespace horavela
