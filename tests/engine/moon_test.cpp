#include "engine/moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/ascendant.h"
#include "engine/golden_rows.h"
#include "engine/time_base.h"
#include "panchang/panchang_time.h"

namespace horavela {
namespace {

MomentInput GreenwichUt(int year, int month, int day, int hour, int minute) {
  MomentInput m;
  m.year = static_cast<std::int16_t>(year);
  m.month = static_cast<std::int16_t>(month);
  m.day = static_cast<std::int16_t>(day);
  m.hour = static_cast<std::int16_t>(hour);
  m.minute = static_cast<std::int16_t>(minute);
  m.latitudeDegrees = 51;
  m.latitudeMinutes = 29;
  return m;
}

TEST(ComputeMoon, J2000Noon) {
  CalculationState s;
  s.Moment = GreenwichUt(2000, 1, 1, 12, 0);
  ComputeMoon(s);
  GoldenTally tally("Moon at J2000.0", "deg");
  const double tropical = MoonTropicalLongitude(0);
  tally.Check("periodic sum at T = 0", tropical - 218.3164591, 5.000, 0.0005, "worked example");
  tally.Check("tropical longitude", tropical, 223.316, 0.0005, "worked example");
  tally.Check("J2000 ayanamsa", s.Moon.Ayanamsa, -23.8535, 0.00005, "worked example");
  tally.Check("sidereal longitude", s.Moon.MoonLongitude, 199.463, 0.0005, "worked example");
  EXPECT_EQ(NameOf(s.Moon.MoonNakshatra), "Swati");
  EXPECT_EQ(NameOf(LordOf(s.Moon.MoonNakshatra)), "Rahu");
  EXPECT_EQ(NameOf(s.Moon.MoonRashi), "Thula");
  EXPECT_EQ(NameOf(LordOf(s.Moon.MoonRashi)), "Venus");
}

TEST(NakshatraAndSign, Boundaries) {
  struct Row {
    double longitude;
    int nakshatra;
    int sign;
    const char* why;
  };
  const Row rows[] = {
      {0, 0, 0, "start of the zodiac"},
      {13.33333333333, 0, 0, "60 x longitude still below 800"},
      {13 + 20 / 60.0, 1, 0, "13 deg 20 min is Bharani"},
      {26 + 40 / 60.0, 2, 0, "second span of 800 minutes"},
      {29.9999, 2, 0, "still the first sign"},
      {30.0, 2, 1, "second sign"},
      {59.9999, 4, 1, "whole degrees decide the sign"},
      {199.463, 14, 6, "J2000 Moon"},
      {210.0, 15, 7, "eighth sign"},
      {240.0, 18, 8, "ninth sign"},
      {285.0, 21, 9, "tenth sign"},
      {346.0, 25, 11, "Uttara Bhadrapada in Meena"},
      {359.9999, 26, 11, "end of the zodiac"},
      {360.0, 0, 0, "a full turn is the start again"},
      {-0.5, 26, 11, "below zero folds round"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NakshatraIndex(row.longitude), row.nakshatra) << row.longitude << ": " << row.why;
    EXPECT_EQ(SignIndex(row.longitude), row.sign) << row.longitude << ": " << row.why;
  }
  EXPECT_EQ(NakshatraIndex(NAN), -1);
  EXPECT_EQ(SignIndex(INFINITY), -1);
}

TEST(NameTables, MoonSignSpellingsAndLords) {
  EXPECT_EQ(NameOf(Rashi(7)), "Vrishcika");
  EXPECT_EQ(NameOf(Rashi(8)), "Dhanush");
  EXPECT_EQ(LagnaNameOf(Rashi(7)), "Vrischika");
  EXPECT_EQ(LagnaNameOf(Rashi(8)), "Dhanus");
  // Every other sign is written alike in both tables.
  for (std::size_t i = 0; i < 12; ++i) {
    if (i != 7 && i != 8) {
      EXPECT_EQ(NameOf(FromIndex<Rashi>(static_cast<int>(i))),
                LagnaNameOf(FromIndex<Rashi>(static_cast<int>(i))))
          << i;
    }
  }
  EXPECT_EQ(NameOf(Rashi(11)), "Meena");
  EXPECT_EQ(NameOf(LordOf(Rashi(7))), "Mars");
  EXPECT_EQ(NameOf(LordOf(Rashi(8))), "Jupiter");
  EXPECT_EQ(NameOf(Nakshatra(0)), "Ashwini");
  EXPECT_EQ(NameOf(Nakshatra(14)), "Swati");
  EXPECT_EQ(NameOf(Nakshatra(25)), "Uttara Bhadrapada");
  EXPECT_EQ(NameOf(Nakshatra(26)), "Revati");
  // Nine lords, three times round, Ketu at 0, 9 and 18.
  for (int i = 0; i < 27; ++i)
    EXPECT_EQ(LordOf(FromIndex<Nakshatra>(i)), LordOf(FromIndex<Nakshatra>(i % 9))) << i;
  EXPECT_EQ(NameOf(LordOf(Nakshatra(18))), "Ketu");
  EXPECT_EQ(NameOf(LordOf(Nakshatra(25))), "Saturn");
  EXPECT_EQ(NameOf(LordOf(Nakshatra(26))), "Mercury");
}

TEST(MoonSiderealLongitude, AyanamsaAddedAndFolded) {
  struct Row {
    double tropical, ayanamsa, expected;
    const char* why;
  };
  const Row rows[] = {
      {10, -24, 346, "one turn added below zero"},
      {223.316, -23.8535, 199.4625, "J2000 Moon"},
      {23.8535, -23.8535, 0, "exactly at the sidereal origin"},
      // Far eras: the ayanamsa exceeds a turn, one addition is not enough.
      {10, -460, 270, "ayanamsa beyond a turn"},
      {350, 30, 20, "positive ayanamsa past 360"},
  };
  for (const Row& row : rows) {
    EXPECT_NEAR(MoonSiderealLongitude(row.tropical, row.ayanamsa), row.expected, 1e-9) << row.why;
  }
  EXPECT_TRUE(std::isnan(MoonSiderealLongitude(NAN, -24)));
}

TEST(ComputeMoon, TropicalTenDegreesIsMeenaUttaraBhadrapada) {
  const double sidereal = MoonSiderealLongitude(10, -24);
  EXPECT_EQ(NameOf(FromIndex<Rashi>(SignIndex(sidereal))), "Meena");
  EXPECT_EQ(NameOf(FromIndex<Nakshatra>(NakshatraIndex(sidereal))), "Uttara Bhadrapada");
  EXPECT_EQ(NameOf(LordOf(FromIndex<Nakshatra>(NakshatraIndex(sidereal)))), "Saturn");
}

// Independent almanac values. The series is evaluated at universal time and
// truncated to 25 terms, so a few arc-minutes are allowed.
TEST(ComputeMoon, AgreesWithPublishedLongitudes) {
  GoldenTally tally("engine Moon, tropical", "arcmin", 60);
  // Meeus, Astronomical Algorithms, ex. 47.a: 1992 April 12, 0h TD, geometric
  // longitude 133.162655 (delta T of about a minute moves the Moon 0.5').
  CalculationState s;
  s.Moment = GreenwichUt(1992, 4, 12, 0, 0);
  ComputeMoon(s);
  tally.CheckAngle("1992-04-12 00:00 UT", s.Moon.MoonLongitude - s.Moon.Ayanamsa, 133.162655,
                   3.0 / 60, "Meeus ex. 47.a");

  // At a new or full moon the Moon stands at the Sun's longitude or opposite
  // it; the Sun's apparent longitude is taken from the panchang's Sun.
  struct Syzygy {
    int year, month, day, hour, minute;
    double elongation;
    const char* source;
  };
  const Syzygy syzygies[] = {
      {2000, 1, 6, 18, 14, 0, "new moon, published lunar phase tables"},
      {2000, 1, 21, 4, 40, 180, "full moon (total lunar eclipse), phase tables"},
      {2017, 8, 21, 18, 30, 0, "new moon (total solar eclipse), phase tables"},
      {2022, 11, 8, 11, 2, 180, "full moon (total lunar eclipse), phase tables"},
      {2024, 4, 8, 18, 21, 0, "new moon (total solar eclipse), phase tables"},
  };
  for (const Syzygy& row : syzygies) {
    s.Moment = GreenwichUt(row.year, row.month, row.day, row.hour, row.minute);
    ComputeMoon(s);
    const double jdUt = s.Time.JulianDay - 0.5 + s.Time.UniversalTime / 24;
    const double sun = PanchangSun(jdUt + DeltaT(jdUt) / 24).folded;
    const std::string input =
        std::to_string(row.year) + "-" + std::to_string(row.month) + "-" + std::to_string(row.day);
    tally.CheckAngle(input, s.Moon.MoonLongitude - s.Moon.Ayanamsa - sun, row.elongation, 4.0 / 60,
                     row.source);
  }
}

TEST(ComputeMoon, ExtremeYearsStayInRange) {
  // The input pages bound the year, the engine must not rely on it.
  for (int year : {-32768, -4000, 1, 3000, 32767}) {
    CalculationState s;
    s.Moment = GreenwichUt(year, 6, 15, 12, 0);
    ComputeMoon(s);
    EXPECT_GE(s.Moon.MoonLongitude, 0) << year;
    EXPECT_LT(s.Moon.MoonLongitude, 360) << year;
    EXPECT_NE(s.Moon.MoonNakshatra, Nakshatra::None) << year;
    EXPECT_NE(s.Moon.MoonRashi, Rashi::None) << year;
  }
}

}  // namespace
}  // namespace horavela
