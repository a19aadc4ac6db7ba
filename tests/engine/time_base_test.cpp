#include "engine/time_base.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/ascendant.h"
#include "engine/golden_rows.h"
#include "engine/moon.h"

namespace horavela {
namespace {

TEST(JulianDayNumber, CivilDatesAroundTheReform) {
  struct Row {
    int year, month, day;
    double expected;
    const char* source;
  };
  const Row rows[] = {
      {2000, 1, 1, 2451545, "J2000.0 epoch"},
      {1900, 1, 1, 2415021, "1900 January 0.5 = JD 2415020.0"},
      // The reform is told by the day number: 5..15 October still count as Julian.
      {1582, 10, 4, 2299160, "last Julian day of the reform"},
      {1582, 10, 14, 2299170, "Julian reading below the threshold"},
      {1582, 10, 15, 2299171, "at the threshold, still read as Julian"},
      {1582, 10, 16, 2299162, "first date read as Gregorian"},
      {1957, 10, 4, 2436116, "Meeus, Astronomical Algorithms, ex. 7.a (1957 Oct 4.81)"},
      {333, 1, 27, 1842713, "Meeus ex. 7.b (333 Jan 27.5)"},
      {1987, 1, 27, 2446823, "Meeus ch. 7 table (1987 Jan 27.0 = 2446822.5)"},
      {1988, 6, 19, 2447332, "Meeus ch. 7 table (1988 Jun 19.5)"},
      {1600, 1, 1, 2305448, "Meeus ch. 7 table (1600 Jan 1.0 = 2305447.5)"},
      {1600, 12, 31, 2305813, "Meeus ch. 7 table (1600 Dec 31.0 = 2305812.5)"},
      {837, 4, 10, 2026872, "Meeus ch. 7 table (837 Apr 10.3 = 2026871.8)"},
      {-1000, 7, 12, 1356001, "Meeus ch. 7 table (-1000 Jul 12.5)"},
      {-4712, 1, 1, 0, "origin of the Julian day count"},
      {2024, 2, 29, 2460370, "leap day; 2024 Mar 1 is 2460371"},
      {2024, 3, 1, 2460371, "day after the leap day"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(JulianDayNumber(row.month, row.day, row.year), row.expected)
        << row.year << "-" << row.month << "-" << row.day << " [" << row.source << "]";
  }
}

TEST(ArcTan2, QuadrantsAndAxes) {
  struct Row {
    double y, x, expected;
  };
  const Row rows[] = {
      {0, -1, 0},  // on the negative x axis the sign of y, 0, wins
      {0, 0, 0},
      {1, 0, kPi / 2},
      {-1, 0, -kPi / 2},
      {1, 1, std::atan(1.0)},
      {-1, 1, -std::atan(1.0)},
      {1, -1, kPi - std::atan(1.0)},
      {-1, -1, -(kPi - std::atan(1.0))},
      {2, -1e-300, kPi / 2},
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(ArcTan2(row.y, row.x), row.expected, 1e-14) << "(" << row.y << ", " << row.x << ")";
  }
}

MomentInput Moment(int year, int month, int day, int hour, int minute, int zoneHours,
                   int zoneMinutes, bool dst, int lonDeg, int lonMin, bool east, int latDeg,
                   int latMin, bool north) {
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
  m.longitudeMinutes = static_cast<std::int16_t>(lonMin);
  m.east = east;
  m.latitudeDegrees = static_cast<std::int16_t>(latDeg);
  m.latitudeMinutes = static_cast<std::int16_t>(latMin);
  m.north = north;
  return m;
}

// The zone is signed, west of Greenwich positive, as the zone picker writes it;
// universal time is local time plus the zone whichever side the place lies.
TEST(BuildTimeBase, SignedZoneGivesUniversalTime) {
  struct Row {
    const char* place;
    MomentInput moment;
    double universalTime, zoneHours, geoLongitude, geoLatitude;
  };
  const Row rows[] = {
      {"New Delhi 02:00, Indian time (-5, -30)",
       Moment(2000, 1, 1, 2, 0, -5, -30, false, 77, 13, true, 28, 37, true), -3.5, -5.5,
       -(77 + 13 / 60.0), 28 + 37 / 60.0},
      {"Madrid 12:00, 3 deg 42 W on Central European time (-1, 0)",
       Moment(2000, 1, 1, 12, 0, -1, 0, false, 3, 42, false, 40, 25, true), 11, -1, 3.7,
       40 + 25 / 60.0},
      {"Berlin 12:00, Central European summer time",
       Moment(2000, 7, 1, 12, 0, -1, 0, true, 13, 24, true, 52, 31, true), 10, -2, -13.4,
       52 + 31 / 60.0},
      {"New York 12:00, Eastern daylight time (5, 0)",
       Moment(2000, 7, 1, 12, 0, 5, 0, true, 74, 0, false, 40, 43, true), 16, 4, 74,
       40 + 43 / 60.0},
      {"New York 20:00, Eastern standard time: past midnight, not folded",
       Moment(2000, 1, 1, 20, 0, 5, 0, false, 74, 0, false, 40, 43, true), 25, 5, 74,
       40 + 43 / 60.0},
      {"Greenwich 12:00, summer time",
       Moment(2000, 7, 1, 12, 0, 0, 0, true, 0, 0, true, 51, 29, true), 11, -1, 0, 51 + 29 / 60.0},
      {"Sydney 07:45, zone (-10, 0), south",
       Moment(2000, 7, 1, 7, 45, -10, 0, false, 151, 12, true, 33, 52, false), -2.25, -10,
       -(151 + 12 / 60.0), -(33 + 52 / 60.0)},
      {"Newfoundland 09:15, zone (3, 30)",
       Moment(2000, 1, 1, 9, 15, 3, 30, false, 52, 43, false, 47, 34, true), 12.75, 3.5,
       52 + 43 / 60.0, 47 + 34 / 60.0},
  };
  for (const Row& row : rows) {
    const TimeBase t = BuildTimeBase(row.moment);
    EXPECT_DOUBLE_EQ(t.UniversalTime, row.universalTime) << row.place;
    EXPECT_DOUBLE_EQ(t.ZoneHours, row.zoneHours) << row.place;
    EXPECT_DOUBLE_EQ(t.GeoLongitude, row.geoLongitude) << row.place;
    EXPECT_DOUBLE_EQ(t.GeoLatitude, row.geoLatitude) << row.place;
    EXPECT_DOUBLE_EQ(t.LocalHours, row.moment.hour + row.moment.minute / 60.0) << row.place;
    EXPECT_EQ(t.JulianDay, JulianDayNumber(row.moment.month, row.moment.day, row.moment.year))
        << row.place;
  }
}

TEST(Centuries, EachProcedureCountsFromItsOwnEpoch) {
  CalculationState s;
  s.Moment = Moment(2000, 1, 1, 12, 0, 0, 0, false, 0, 0, true, 0, 0, true);
  ComputeAscendant(s);
  EXPECT_EQ(s.Time.Centuries, 1.0);  // 1900.0 to J2000.0 is one Julian century
  EXPECT_EQ(s.Time.JulianDay, 2451545);
  EXPECT_EQ(s.Time.UniversalTime, 12);
  ComputeMoon(s);
  EXPECT_EQ(s.Time.Centuries, 0.0);

  // New Delhi at noon: 06:30 universal time.
  s.Moment = Moment(2000, 1, 1, 12, 0, -5, -30, false, 77, 13, true, 28, 37, true);
  ComputeAscendant(s);
  EXPECT_NEAR(s.Time.Centuries, 0.99999373, 5e-9);
  EXPECT_EQ(s.Time.UniversalTime, 6.5);
}

TEST(Centuries, NegativeUniversalTimeFallsOnThePreviousDay) {
  // 02:00 in New Delhi on 1 January is 20:30 UT on 31 December.
  CalculationState delhi;
  delhi.Moment = Moment(2000, 1, 1, 2, 0, -5, -30, false, 77, 13, true, 28, 37, true);
  ComputeMoon(delhi);
  CalculationState greenwich;
  greenwich.Moment = Moment(1999, 12, 31, 20, 30, 0, 0, false, 0, 0, true, 28, 37, true);
  ComputeMoon(greenwich);
  EXPECT_NEAR(delhi.Time.Centuries, greenwich.Time.Centuries, 1e-15);
  EXPECT_NEAR(delhi.Time.Centuries, (-0.5 - 3.5 / 24) / 36525, 1e-15);
  EXPECT_EQ(delhi.Moon.MoonLongitude, greenwich.Moon.MoonLongitude);
}

TEST(TimeBase, NonFiniteInputStaysNonFinite) {
  EXPECT_TRUE(std::isnan(JulianDayNumber(NAN, 1, 2000)));
  EXPECT_TRUE(std::isnan(JulianDayNumber(1, 1, INFINITY)));
  EXPECT_TRUE(std::isnan(ArcTan2(NAN, 1)));
  EXPECT_TRUE(std::isnan(ArcTan2(1, NAN)));
}

}  // namespace
}  // namespace horavela
