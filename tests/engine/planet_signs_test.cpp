#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "engine/ascendant.h"
#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"

namespace horavela {
namespace {

// Degrees and arc-minutes truncated, never rounded into the next sign; every
// sign's abbreviation as the planet table prints it.
TEST(PlanetPosition, PrintedAsDegreesSignAndMinutes) {
  struct Row {
    double longitude;
    std::string expected;
  };
  const Row rows[] = {
      {0.0, "00 Ari 00"},    {29.999, "29 Ari 59"}, {30.0, "00 Tau 00"},
      {275.7, "05 Cpr 42"},  {359.99, "29 Pis 59"}, {360.0, "00 Ari 00"},
      {-0.5, "29 Pis 30"},   {215.25, "05 Sco 15"}, {12.5 + 240, "12 Sag 30"},
      {61.0, "01 Gem 00"},   {119.5, "29 Can 30"},  {120.0, "00 Leo 00"},
      {150.25, "00 Vir 15"}, {180.0, "00 Lib 00"},  {330.0 - 1e-9, "29 Aqu 59"},
  };
  for (const Row& row : rows) {
    const std::string text = TextOf(PlanetPositionAt(row.longitude));
    EXPECT_EQ(text, row.expected) << row.longitude;
  }
  EXPECT_FALSE(PlanetPositionAt(std::nan("")).known());
  EXPECT_EQ(TextOf(PlanetPositionAt(std::nan(""))), "");
}

// Julian day (UT) of a civil date and hour.
double JulianDayUt(int year, int month, int day, double hour) {
  return JulianDayNumber(month, day, year) - 0.5 + hour / 24.0;
}

// Sidereal longitude the program uses: tropical plus the J2000 ayanamsa.
double Sidereal(double tropical, double julianDayUt) {
  const double centuries = (julianDayUt - 2451545.0) / 36525.0;
  return std::fmod(tropical + AyanamsaJ2000(centuries) + 720.0, 360.0);
}

// Published geocentric positions (tropical, degrees), e.g. from any
// astronomical almanac; tolerance in degrees.
struct AlmanacRow {
  const char* what;
  int year, month, day;
  int planet;  // 0 Sun .. 6 Saturn
  double tropicalLongitude;
  double tolerance;
};

TEST(SwissEphemeris, AgreesWithAlmanacPositions) {
  const AlmanacRow rows[] = {
      // Sun at the March equinox of 2000 (20 March 07:35 UT): 0 degrees.
      {"Sun at equinox 2000", 2000, 3, 20, 0, 0.0, 0.01},
      // Meeus, Astronomical Algorithms, example 47.a: Moon 1992 April 12, 0h TD.
      {"Moon 1992-04-12", 1992, 4, 12, 1, 133.16726, 0.02},
      // Meeus example 33.a: Venus 1992 December 20, 0h TD, apparent longitude 313.08102.
      {"Venus 1992-12-20", 1992, 12, 20, 3, 313.08102, 0.02},
  };
  for (const AlmanacRow& row : rows) {
    double hour = 0.0;
    if (row.planet == 0) hour = 7.0 + 35.0 / 60.0;
    const auto longitudes = SwissEphemeris().TropicalLongitudes(
        JulianDayUt(row.year, row.month, row.day, hour) -
            (row.planet == 0 ? 0.0 : 59.0 / 86400.0),  // 0h TD is about 59 s before 0h UT then
        kAllPlanets);
    ASSERT_TRUE(longitudes.has_value()) << row.what;
    double error = std::remainder((*longitudes)[row.planet] - row.tropicalLongitude, 360.0);
    EXPECT_LT(std::fabs(error), row.tolerance) << row.what << " error " << error * 60 << "'";
  }
}

// Sign changes and a retrograde Mercury, checked in the program's sidereal zodiac.
TEST(SwissEphemeris, SiderealSignsAcrossSignChanges) {
  struct Row {
    const char* what;
    int year, month, day;
    int planet;
    Rashi sign;
  };
  const Row rows[] = {
      // Jupiter moved from sidereal Aquarius into Pisces on 13 April 2022.
      {"Jupiter in Aquarius", 2022, 3, 1, 5, Rashi::Kumbha},
      {"Jupiter in Pisces", 2022, 6, 15, 5, Rashi::Meena},
      // Saturn in sidereal Capricorn through 2021, in Aquarius from May 2022.
      {"Saturn 2021", 2021, 6, 1, 6, Rashi::Makara},
      {"Saturn 2023", 2023, 6, 1, 6, Rashi::Kumbha},
  };
  for (const Row& row : rows) {
    const double jd = JulianDayUt(row.year, row.month, row.day, 12.0);
    const auto longitudes = SwissEphemeris().TropicalLongitudes(jd, kAllPlanets);
    ASSERT_TRUE(longitudes.has_value());
    const PlanetPosition position = PlanetPositionAt(Sidereal((*longitudes)[row.planet], jd));
    EXPECT_EQ(position.sign, row.sign) << row.what << ": " << TextOf(position);
  }
}

TEST(SwissEphemeris, MercuryRetrogradeMovesBackwards) {
  // Mercury was retrograde from 5 to 28 August 2024.
  const double before = JulianDayUt(2024, 8, 10, 0);
  const double after = JulianDayUt(2024, 8, 20, 0);
  const auto a = SwissEphemeris().TropicalLongitudes(before, kAllPlanets);
  const auto b = SwissEphemeris().TropicalLongitudes(after, kAllPlanets);
  ASSERT_TRUE(a && b);
  EXPECT_LT(std::remainder((*b)[2] - (*a)[2], 360.0), 0.0);
}

// A part of the planets: the same positions as when all are asked, NaN for the rest.
TEST(SwissEphemeris, APartOfThePlanetsLeavesTheOthersOut) {
  const double jd = JulianDayUt(2025, 3, 1, 6.5);
  const auto all = SwissEphemeris().TropicalLongitudes(jd, kAllPlanets);
  const auto some = SwissEphemeris().TropicalLongitudes(jd, PlanetBit(1) | PlanetBit(5));
  ASSERT_TRUE(all && some);
  for (int i = 0; i < kPlanetCount; ++i) {
    SCOPED_TRACE(i);
    if (i == 1 || i == 5) {
      EXPECT_EQ((*some)[i], (*all)[i]);
    } else {
      EXPECT_TRUE(std::isnan((*some)[i]));
    }
  }
}

// Threads compute at once (the finder samples the planets on both cores):
// every answer must equal the one computed alone.
TEST(SwissEphemeris, ThreadsComputingAtOnceGetTheSamePositions) {
  constexpr int kSamples = 400;
  auto dayOf = [](int k) { return 2451545.0 + k * 3.17; };
  std::vector<PlanetLongitudes> alone(kSamples);
  for (int k = 0; k < kSamples; ++k) {
    alone[k] = SwissEphemeris().TropicalLongitudes(dayOf(k), kAllPlanets).value();
  }
  std::vector<int> mismatches(4, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      // Swiss Ephemeris keeps each thread's open files and caches until the
      // thread itself releases them.
      const ThreadStateRelease release(SwissEphemeris());
      // Each thread walks the dates in its own order, so their caches disagree.
      for (int n = 0; n < kSamples; ++n) {
        const int k = (n * (2 * t + 1) + t * 97) % kSamples;
        const auto longitudes = SwissEphemeris().TropicalLongitudes(dayOf(k), kAllPlanets);
        if (!longitudes || *longitudes != alone[k]) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

class FailingEphemeris : public PlanetEphemeris {
 public:
  std::optional<PlanetLongitudes> TropicalLongitudes(double, PlanetSet) override {
    return std::nullopt;
  }
  std::string Description() const override { return "test ephemeris"; }
};

TEST(ComputePlanetSigns, AFailureLeavesUnknownPositionsAndAWarning) {
  CalculationState s;
  s.Lagna.PlanetSigns[5] = {Rashi::Dhanus, 10, 0};
  FailingEphemeris failing;
  EXPECT_FALSE(ComputePlanetSigns(s, failing));
  for (const PlanetPosition& position : s.Lagna.PlanetSigns) EXPECT_FALSE(position.known());
  ASSERT_EQ(s.Warnings.size(), 1u);
  EXPECT_NE(s.Warnings[0].find("test ephemeris"), std::string::npos);
}

}  // namespace
}  // namespace horavela
