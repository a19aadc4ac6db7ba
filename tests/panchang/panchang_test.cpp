#include "panchang/panchang.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/ascendant.h"
#include "engine/golden_rows.h"
#include "engine/moon.h"
#include "engine/time_base.h"
#include "panchang/panchang_moon.h"
#include "panchang/panchang_time.h"

namespace horavela {
namespace {

PanchangState Elongated(double moon, double sun) {
  PanchangState p;
  p.PanchangMoonLongitude = moon;
  p.PanchangSunLongitude = sun;
  p.PanchangMoonUnfolded = 491143.076989739;
  p.PanchangSunUnfolded = 36976.912405792;
  return p;
}

TEST(NamePanchangElements, TithiAndKaranaByElongation) {
  struct Row {
    double moon, sun;
    int tithi;
    const char* name;
    const char* ruleName;
    const char* paksha;
    const char* group;
    int karana;
    const char* karanaName;
  };
  const Row rows[] = {
      {10, 350, 1, "Dwithiai", "Dwitiya", "Shukla Paksha", "Bhadra", 3, "Kaulava"},
      {100, 200, 21, "Saptami", "Saptami", "Krishna Paksha", "Bhadra", 43, "Bava"},
      {0, 0, 0, "Pratipad", "Pratipada", "Shukla Paksha", "Nanda", 0, "Kimstughna"},
      {5.999, 0, 0, "Pratipad", "Pratipada", "Shukla Paksha", "Nanda", 0, "Kimstughna"},
      {6, 0, 0, "Pratipad", "Pratipada", "Shukla Paksha", "Nanda", 1, "Bava"},
      {12, 0, 1, "Dwithiai", "Dwitiya", "Shukla Paksha", "Bhadra", 2, "Balava"},
      {179.999, 0, 14, "Poornami", "Purnima", "Shukla Paksha", "Poorna", 29, "Bava"},
      {180, 0, 15, "Pratipad", "Pratipada", "Krishna Paksha", "Nanda", 30, "Balava"},
      {336, 0, 28, "Chaturdasi", "Chaturdashi", "Krishna Paksha", "Rikta", 56, "Visti"},
      {342, 0, 28, "Chaturdasi", "Chaturdashi", "Krishna Paksha", "Rikta", 57, "Sakuna"},
      {347.999, 0, 28, "Chaturdasi", "Chaturdashi", "Krishna Paksha", "Rikta", 57, "Sakuna"},
      {348, 0, 29, "Ammavasai", "Amavashya", "Krishna Paksha", "Poorna", 58, "Chatuspada"},
      {354, 0, 29, "Ammavasai", "Amavashya", "Krishna Paksha", "Poorna", 59, "Naga"},
      {359.999, 0, 29, "Ammavasai", "Amavashya", "Krishna Paksha", "Poorna", 59, "Naga"},
      // The Moon just behind the Sun: one turn is added to the Moon first.
      {0, 0.001, 29, "Ammavasai", "Amavashya", "Krishna Paksha", "Poorna", 59, "Naga"},
      // Both folded longitudes at their ends: elongation exactly 360.
      {360, 0, 30, "", "", "Krishna Paksha", "", 60, "Kimstughna"},
      {50, 2, 4, "Panchami", "Panchami", "Shukla Paksha", "Poorna", 8, "Bava"},
      {50, 5, 3, "Chathurthi", "Chaturthi", "Shukla Paksha", "Rikta", 7, "Visti"},
  };
  for (const Row& row : rows) {
    PanchangState p = Elongated(row.moon, row.sun);
    NamePanchangElements(p);
    const std::string input =
        "moon " + std::to_string(row.moon) + ", sun " + std::to_string(row.sun);
    EXPECT_EQ(p.TithiIndex, row.tithi) << input;
    EXPECT_EQ(p.TithiNumber, row.tithi + 1) << input;
    EXPECT_EQ(NameOf(p.TithiName), row.name) << input;
    EXPECT_EQ(RuleNameOf(p.TithiName), row.ruleName) << input;
    EXPECT_EQ(NameOf(p.Fortnight), row.paksha) << input;
    EXPECT_EQ(NameOf(p.Group), row.group) << input;
    EXPECT_EQ(p.KaranaIndex, row.karana) << input;
    EXPECT_EQ(NameOf(p.KaranaName), row.karanaName) << input;
  }
}

TEST(NamePanchangElements, RiktaAndPoornaTithis) {
  for (int number = 1; number <= 30; ++number) {
    PanchangState p = Elongated(12.0 * (number - 1) + 1, 0);
    NamePanchangElements(p);
    ASSERT_EQ(p.TithiNumber, number);
    const bool rikta = number % 5 == 4;
    const bool poorna = number % 5 == 0;
    EXPECT_EQ(NameOf(p.Group) == "Rikta", rikta) << number;
    EXPECT_EQ(NameOf(p.Group) == "Poorna", poorna) << number;
  }
}

TEST(NamePanchangElements, YogaOfTheSiderealSum) {
  struct Row {
    double sum;  // sidereal Sun plus Moon, less the 0.010604469 degree shift
    double ayanamsa;
    int yoga;
    const char* name;
  };
  const Row rows[] = {
      {0, 0, 0, "Vishkambha"},
      {13.3333, 0, 0, "Vishkambha"},
      {13.3334, 0, 1, "Prithi"},
      {200, 0, 15, "Siddhi"},
      {346.6667, 0, 26, "Vaidhruthi"},
      {359.9, 0, 26, "Vaidhruthi"},
      {-0.001, 0, 26, "Vaidhruthi"},              // folded up from below
      {725, 0, 0, "Vishkambha"},                  // folded down, two turns
      {360, 0, 27, ""},                           // exactly 27 spans stays 27
      {47.7 + 13.3333, -23.85, 0, "Vishkambha"},  // each longitude takes the ayanamsa
      {47.7 + 13.3334, -23.85, 1, "Prithi"},
  };
  for (const Row& row : rows) {
    PanchangState p = Elongated(10, 0);
    p.AyanamsaCorrection = row.ayanamsa;
    p.PanchangMoonUnfolded += row.sum;
    NamePanchangElements(p);
    EXPECT_EQ(p.YogaIndex, row.yoga) << row.sum;
    EXPECT_EQ(NameOf(p.YogaName), row.name) << row.sum;
  }
}

TEST(NamePanchangElements, NonFiniteLongitudesGiveEmptyNames) {
  PanchangState p = Elongated(NAN, 10);
  p.PanchangMoonUnfolded = NAN;
  NamePanchangElements(p);
  EXPECT_EQ(p.TithiIndex, -1);
  EXPECT_EQ(p.YogaIndex, -1);
  EXPECT_EQ(p.KaranaIndex, -1);
  EXPECT_EQ(NameOf(p.TithiName), "");
  EXPECT_EQ(NameOf(p.Fortnight), "");
  EXPECT_EQ(NameOf(p.YogaName), "");
  EXPECT_EQ(NameOf(p.KaranaName), "");
}

TEST(WeekdayOfDate, ProlepticGregorian) {
  struct Row {
    int year, month, day;
    const char* weekday;
    const char* source;
  };
  const Row rows[] = {
      {2000, 1, 1, "Saturday", "worked example"},
      {1582, 10, 15, "Friday", "first day of the Gregorian calendar"},
      {1582, 10, 4, "Monday", "proleptic: 11 days before Friday 15 October"},
      {1776, 7, 4, "Thursday", "US Declaration of Independence"},
      {1900, 1, 1, "Monday", "almanac"},
      {1900, 3, 1, "Thursday", "1900 has no leap day"},
      {1969, 7, 20, "Sunday", "Apollo 11 landing"},
      {2000, 2, 29, "Tuesday", "2000 has a leap day"},
      {2024, 2, 29, "Thursday", "almanac"},
      {2038, 1, 19, "Tuesday", "end of 32-bit Unix time"},
      {1, 1, 1, "Monday", "proleptic Gregorian day 1"},
      // Months out of range roll into the neighbouring year.
      {1999, 13, 1, "Saturday", "month 13 is January of the next year"},
      {2000, 0, 1, "Wednesday", "month 0 is December of the year before"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(WeekdayOfDate(row.year, row.month, row.day), row.weekday)
        << row.year << "-" << row.month << "-" << row.day << " [" << row.source << "]";
  }
}

MomentEntry Entry(int year, int month, int day, int hour, int minute, int zoneHours,
                  int zoneMinutes) {
  MomentEntry e;
  e.year = static_cast<std::int16_t>(year);
  e.month = static_cast<std::int16_t>(month);
  e.day = static_cast<std::int16_t>(day);
  e.hour = static_cast<std::int16_t>(hour);
  e.minute = static_cast<std::int16_t>(minute);
  e.place.zoneHours = static_cast<std::int16_t>(zoneHours);
  e.place.zoneMinutes = static_cast<std::int16_t>(zoneMinutes);
  e.place.latitudeDegrees = 28;
  e.place.longitudeDegrees = 77;
  return e;
}

MomentInput InputOf(const MomentEntry& e) {
  MomentInput m;
  m.year = e.year;
  m.month = e.month;
  m.day = e.day;
  m.hour = e.hour;
  m.minute = e.minute;
  m.zoneHours = e.place.zoneHours;
  m.zoneMinutes = e.place.zoneMinutes;
  m.longitudeDegrees = e.place.longitudeDegrees;
  m.latitudeDegrees = e.place.latitudeDegrees;
  m.east = e.place.east;
  return m;
}

TEST(ComputePanchang, WeekdaysOfBothPagesOnEveryRun) {
  CalculationState s;
  s.Input.birth = Entry(2000, 1, 1, 23, 59, -14, 0);  // late at night far east: still Saturday
  s.Input.election = Entry(2024, 4, 8, 0, 1, 12, 0);
  s.Moment = InputOf(s.Input.birth);
  s.Time = BuildTimeBase(s.Moment);
  ComputePanchang(s);
  EXPECT_EQ(NameOf(s.Panchang.BirthWeekday), "Saturday");
  EXPECT_EQ(NameOf(s.Panchang.ElectionWeekday), "Monday");
  s.Moment = InputOf(s.Input.election);
  s.Time = BuildTimeBase(s.Moment);
  ComputePanchang(s);
  EXPECT_EQ(NameOf(s.Panchang.BirthWeekday), "Saturday");
  EXPECT_EQ(NameOf(s.Panchang.ElectionWeekday), "Monday");
}

// New and full moons from published phase tables (universal time, to the
// minute): the panchang's elongation is then 0 or 180 degrees.
TEST(ComputePanchang, ElongationAtPublishedSyzygies) {
  GoldenTally tally("panchang elongation", "arcmin", 60);
  struct Row {
    int year, month, day, hour, minute;
    double elongation;
    int tithiBefore, tithiAfter;  // an hour before and after
    const char* source;
  };
  const Row rows[] = {
      {2000, 1, 6, 18, 14, 0, 29, 0, "new moon"},
      {2000, 1, 21, 4, 40, 180, 14, 15, "full moon, total lunar eclipse"},
      {2017, 8, 21, 18, 30, 0, 29, 0, "new moon, total solar eclipse"},
      {2022, 11, 8, 11, 2, 180, 14, 15, "full moon, total lunar eclipse"},
      {2024, 4, 8, 18, 21, 0, 29, 0, "new moon, total solar eclipse"},
  };
  for (const Row& row : rows) {
    // Given in Indian time (-5, -30) at New Delhi: the zone must be undone.
    const int minutes = row.hour * 60 + row.minute + 330;
    CalculationState s;
    s.Input.birth = Entry(row.year, row.month, row.day, 0, 0, -5, -30);
    s.Input.election = s.Input.birth;
    s.Moment = InputOf(s.Input.birth);
    s.Moment.hour = static_cast<std::int16_t>(minutes / 60);
    s.Moment.minute = static_cast<std::int16_t>(minutes % 60);
    ComputeAscendant(s);
    ComputeMoon(s);
    ComputePanchang(s);
    const std::string input =
        std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day);
    tally.CheckAngle(input, s.Panchang.PanchangMoonLongitude - s.Panchang.PanchangSunLongitude,
                     row.elongation, 2.0 / 60, row.source);

    s.Moment.hour = static_cast<std::int16_t>(minutes / 60 - 1);
    s.Time = BuildTimeBase(s.Moment);
    ComputePanchang(s);
    EXPECT_EQ(s.Panchang.TithiIndex, row.tithiBefore) << input;
    s.Moment.hour = static_cast<std::int16_t>(minutes / 60 + 1);
    s.Time = BuildTimeBase(s.Moment);
    ComputePanchang(s);
    EXPECT_EQ(s.Panchang.TithiIndex, row.tithiAfter) << input;
  }
}

TEST(ComputePanchang, J2000Longitudes) {
  // 2000 January 1, 12:00 UT at Greenwich; the panchang adds delta T (65.7 s).
  CalculationState s;
  s.Input.birth = Entry(2000, 1, 1, 12, 0, 0, 0);
  s.Input.election = s.Input.birth;
  s.Moment = InputOf(s.Input.birth);
  s.Time = BuildTimeBase(s.Moment);
  ComputePanchang(s);
  GoldenTally tally("panchang at J2000.0 + delta T", "deg");
  tally.Check("instant", s.Panchang.PanchangJulianDay, 2451545.0 + 65.7 / 86400, 1e-9,
              "delta T table");
  // 65.7 s after J2000.0 at the mean motions (13.18 and 0.9856 degrees a day);
  // the Moon's true speed lies within 15% of its mean.
  tally.Check("Moon", s.Panchang.PanchangMoonLongitude, 223.3145 + 65.7 * 13.176 / 86400, 0.002,
              "worked example moved by delta T");
  tally.Check("Sun", s.Panchang.PanchangSunLongitude, 280.3674 + 65.7 * 0.9856 / 86400, 0.0001,
              "worked example moved by delta T");
  EXPECT_EQ(s.Panchang.PanchangMoonUnfolded, PanchangMoon(s.Panchang.PanchangJulianDay).unfolded);
  EXPECT_EQ(s.Panchang.PanchangSunUnfolded, PanchangSun(s.Panchang.PanchangJulianDay).unfolded);
  tally.Check("ayanamsa", s.Panchang.AyanamsaCorrection, -23.85399, 0.00001, "worked example");
  // Elongation 302.9 degrees: the 26th tithi, dark fortnight.
  EXPECT_EQ(NameOf(s.Panchang.TithiName), "Ekadasi");
  EXPECT_EQ(RuleNameOf(s.Panchang.TithiName), "Ekadashi");
  EXPECT_EQ(NameOf(s.Panchang.Fortnight), "Krishna Paksha");
  EXPECT_EQ(s.Panchang.KaranaIndex, 50);
}

}  // namespace
}  // namespace horavela
