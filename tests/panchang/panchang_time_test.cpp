#include "panchang/panchang_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/golden_rows.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"

namespace horavela {
namespace {

// Julian date of 0 h UT of a civil date.
double Midnight(int year, int month, int day) {
  return JulianDayNumber(month, day, year) - 0.5;
}

TEST(CalendarFromJulian, Dates) {
  struct Row {
    double jd;
    int year, month, day;
    const char* source;
  };
  const Row rows[] = {
      {2451544.5, 2000, 1, 1, "worked example"},
      {2299160.5, 1582, 10, 15, "first Gregorian day"},
      {2299159.5, 1582, 10, 4, "last Julian day"},
      {2415020.5, 1900, 1, 1, "worked example"},
      {2436116.31, 1957, 10, 4, "Meeus, Astronomical Algorithms, ex. 7.c"},
      {1842713.0, 333, 1, 27, "Meeus ex. 7.c"},
      {1507900.13, -584, 5, 28, "Meeus ex. 7.c"},
      {2460369.5, 2024, 2, 29, "leap day"},
  };
  for (const Row& row : rows) {
    const CalendarDate date = CalendarFromJulian(row.jd);
    EXPECT_EQ(date.year, row.year) << row.jd << " [" << row.source << "]";
    EXPECT_EQ(date.month, row.month) << row.jd << " [" << row.source << "]";
    EXPECT_EQ(date.day, row.day) << row.jd << " [" << row.source << "]";
  }
  const CalendarDate nothing = CalendarFromJulian(NAN);
  EXPECT_EQ(nothing.year, 0);
}

TEST(DeltaT, TableAndPolynomials) {
  GoldenTally tally("delta T", "s");
  struct Row {
    int year, month, day;
    double seconds, tolerance;
    const char* source;
  };
  const Row rows[] = {
      {2000, 1, 1, 65.7, 1e-9, "table entry 2000"},
      {1625, 1, 1, 104.5, 1e-9, "halfway 1620..1630"},
      {1900, 1, 1, -2.7, 1e-9, "table entry 1900"},
      {1620, 1, 1, 124, 1e-9, "first table entry"},
      {1955, 1, 1, 31.2, 1e-9, "halfway 1950..1960"},
      {2009, 12, 31, 75.4988, 0.0001, "last day inside the table"},
      {2020, 1, 1, 84.41, 0.01, "worked example: quadratic, T about 2.2"},
      {1000, 1, 1, 1631.9, 0.05, "worked example: 25.5 T^2"},
      {500, 1, 1, 4688.2, 0.05, "worked example: before 948"},
  };
  for (const Row& row : rows) {
    tally.Check(
        std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day),
        DeltaT(Midnight(row.year, row.month, row.day)) * 3600, row.seconds, row.tolerance,
        row.source);
  }
  // Branch edges: 2010 leaves the table, 1619 and 947 change polynomial.
  const double t2010 = (Midnight(2010, 1, 1) - 2378497) / 36525;
  tally.Check("2010-1-1", DeltaT(Midnight(2010, 1, 1)) * 3600, 25.5 * t2010 * t2010 - 39, 1e-9,
              "quadratic from 2010");
  const double t1619 = (Midnight(1619, 1, 1) - 2378497) / 36525;
  tally.Check("1619-1-1", DeltaT(Midnight(1619, 1, 1)) * 3600, 25.5 * t1619 * t1619, 1e-9,
              "before the table");
  const double t947 = (Midnight(947, 1, 1) - 2378497) / 36525;
  tally.Check("947-1-1", DeltaT(Midnight(947, 1, 1)) * 3600,
              1361.7 + 320 * t947 + 44.3 * t947 * t947, 1e-9, "before 948");
  EXPECT_TRUE(std::isnan(DeltaT(NAN)));
}

TEST(Fold360, FoldsWithoutSpinning) {
  struct Row {
    double in, out;
  };
  const Row rows[] = {
      {-30, 330}, {725, 5},   {360, 360},     {0, 0},
      {-360, 0},  {720, 360}, {359.5, 359.5}, {-1e-9, 360 - 1e-9},
  };
  for (const Row& row : rows) EXPECT_EQ(Fold360(row.in), row.out) << row.in;
  EXPECT_NEAR(Fold360(481543.3145), 223.3145, 1e-9);
  // Huge and non-finite values return at once.
  const double huge = Fold360(1e300);
  EXPECT_GE(huge, 0);
  EXPECT_LE(huge, 360);
  EXPECT_TRUE(std::isnan(Fold360(NAN)));
  EXPECT_TRUE(std::isnan(Fold360(-INFINITY)));
}

TEST(SolveKepler, EccentricAnomaly) {
  GoldenTally tally("eccentric anomaly", "deg");
  struct Row {
    double mean, eccentricity, expected;
    const char* source;
  };
  const Row rows[] = {
      {90, 0.0167, 90.9567, "worked example"},
      {5, 0.1, 5.554589, "Meeus ex. 30.a"},
      {0, 0.0167, 0, "perihelion"},
      {180, 0.0167, 180, "aphelion"},
      {123.4, 0, 123.4, "circular orbit"},
  };
  for (const Row& row : rows) {
    const double e = SolveKepler(row.mean, row.eccentricity, 0.0000003) * kRadiansToDegrees;
    tally.Check(std::to_string(row.mean) + ", e " + std::to_string(row.eccentricity), e,
                row.expected, 0.00005, row.source);
  }
  // Kepler's equation holds for the answer.
  for (double mean : {10.0, 45.0, 135.0, 250.0, 359.0}) {
    const double e = SolveKepler(mean, 0.2, 1e-9);
    EXPECT_NEAR((e - 0.2 * std::sin(e)) * kRadiansToDegrees, mean, 1e-7) << mean;
  }
  // The step limit ends hopeless cases.
  EXPECT_TRUE(std::isfinite(SolveKepler(30, 25, 1e-12)));
  EXPECT_TRUE(std::isnan(SolveKepler(NAN, 0.0167, 0.0000003)));
  EXPECT_TRUE(std::isnan(SolveKepler(INFINITY, 0.0167, 0.0000003)));
}

TEST(NutationInLongitude, PublishedValues) {
  GoldenTally tally("nutation in longitude", "arcsec", 3600);
  tally.Check("JD 2451545.0", NutationInLongitude(2451545.0), -13.96 / 3600, 0.01 / 3600,
              "worked example");
  tally.Check("1987 Apr 10 0h TD", NutationInLongitude(2446895.5), -3.788 / 3600, 0.05 / 3600,
              "Meeus ex. 22.a");
}

TEST(PanchangSun, PublishedLongitudes) {
  GoldenTally tally("panchang Sun, apparent", "arcmin", 60);
  tally.Check("JD 2451545.0", PanchangSun(2451545.0).folded, 280.3674, 0.00005, "worked example");
  tally.CheckAngle("1992 Oct 13 0h TD", PanchangSun(2448908.5).folded, 199.905989, 0.5 / 60,
                   "Meeus ex. 25.b, 199 deg 54' 21.56\"");
  // Equinoxes and solstices (universal time, to the minute; delta T about 69 s).
  struct Row {
    int year, month, day, hour, minute;
    double longitude;
    const char* source;
  };
  const Row rows[] = {
      {2023, 9, 23, 6, 50, 180, "September equinox 2023"},
      {2023, 12, 22, 3, 27, 270, "December solstice 2023"},
      {2024, 3, 20, 3, 6, 0, "March equinox 2024"},
      {2024, 6, 20, 20, 51, 90, "June solstice 2024"},
  };
  for (const Row& row : rows) {
    const double jd =
        Midnight(row.year, row.month, row.day) + (row.hour + row.minute / 60.0) / 24 + 69.0 / 86400;
    tally.CheckAngle(row.source, PanchangSun(jd).folded, row.longitude, 0.5 / 60,
                     "published equinox and solstice times");
  }
  const SunLongitude sun = PanchangSun(2451545.0);
  EXPECT_GT(sun.unfolded, 36000);  // a century of revolutions since 1900
  EXPECT_EQ(Fold360(sun.unfolded), sun.folded);
  EXPECT_TRUE(std::isnan(PanchangSun(NAN).folded));
}

TEST(PanchangAyanamsa, Epochs) {
  GoldenTally tally("panchang ayanamsa", "arcsec", 3600);
  tally.Check("JD 2415020.0", PanchangAyanamsa(2415020.0), -22.46628, 0.000005, "worked example");
  tally.Check("JD 2451545.0", PanchangAyanamsa(2451545.0), -23.85399, 0.000005, "worked example");
}

MomentInput Moment(int year, int month, int day, int hour, int minute, int zoneHours,
                   int zoneMinutes, bool dst, int lonDeg, bool east) {
  MomentInput m;
  m.year = static_cast<std::int16_t>(year);
  m.month = static_cast<std::int16_t>(month);
  m.day = static_cast<std::int16_t>(day);
  m.hour = static_cast<std::int16_t>(hour);
  m.minute = static_cast<std::int16_t>(minute);
  m.zoneHours = static_cast<std::int16_t>(zoneHours);
  m.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  m.dst = dst;
  m.longitudeDegrees = static_cast<std::int16_t>(lonDeg);
  m.east = east;
  return m;
}

// Universal time is local time plus the signed (west-positive) zone.
TEST(PanchangInstant, UniversalTimePlusDeltaT) {
  GoldenTally tally("panchang instant", "s", 86400);
  struct Row {
    const char* place;
    MomentInput moment;
    double universalHours;  // from 0 h UT of 2000 January 1
    double deltaT;          // seconds, interpolated in the decade table
  };
  const Row rows[] = {
      {"west, zone 5, 20:00: the next civil day", Moment(2000, 1, 1, 20, 0, 5, 0, false, 74, false),
       25, 65.70268},
      {"New Delhi 02:00 (-5, -30): the previous civil day",
       Moment(2000, 1, 1, 2, 0, -5, -30, false, 77, true), -3.5, 65.69894},
      {"Madrid 12:00 on CET (-1, 0)", Moment(2000, 1, 1, 12, 0, -1, 0, false, 3, false), 11, 65.7},
      {"east, CET with summer time", Moment(2000, 1, 1, 12, 0, -1, 0, true, 13, true), 10, 65.7},
      {"west, zone 5 with summer time", Moment(2000, 1, 1, 12, 0, 5, 0, true, 74, false), 16, 65.7},
  };
  for (const Row& row : rows) {
    const double jdUt = 2451544.5 + row.universalHours / 24;
    tally.Check(row.place, PanchangInstant(row.moment, BuildTimeBase(row.moment)),
                jdUt + row.deltaT / 86400, 0.001 / 86400, "delta T table 1990..2010");
  }
  const MomentInput west = rows[0].moment;
  const CalendarDate date = CalendarFromJulian(PanchangInstant(west, BuildTimeBase(west)));
  EXPECT_EQ(date.day, 2);
}

}  // namespace
}  // namespace horavela
