#include "engine/lagna_tests.h"
#include "support/chart_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace horavela {
namespace {

TEST(CountFromBirthLagna, StepsForwardWithSameSignTwelve) {
  struct Row {
    std::string birth;
    std::string election;
    int expected;
  };
  const Row rows[] = {
      {"Mesha", "Simha", 4},
      {"Mesha", "Mesha", 12},
      {"Mesha", "Meena", 11},
      {"Meena", "Mesha", 1},
      {"Mesha", "Thula", 6},
      {"Kanya", "Vrischika", 2},
      {"Dhanus", "Makara", 1},
      // An election lagna not in the table counts 12; an unknown birth lagna e + 1.
      {"Mesha", "Unknown", 12},
      {"Unknown", "Simha", 5},
      // A sign is a sign whichever table spells it: Scorpio lies seven on.
      {"Mesha", "Vrishcika", 7},
  };
  for (const Row& row : rows) {
    CalculationState s;
    s.BirthChart.lagna = ::horavela::testing::RashiNamed(row.birth);
    s.ElectionChart.lagna = ::horavela::testing::RashiNamed(row.election);
    std::int16_t count = -1;
    CountFromBirthLagna(s, count);
    EXPECT_EQ(count, row.expected) << row.birth << " -> " << row.election;
  }
}

CalculationState AtClock(int month, int day, int hour, int minute) {
  CalculationState s;
  s.Moment.month = static_cast<std::int16_t>(month);
  s.Moment.day = static_cast<std::int16_t>(day);
  s.Moment.hour = static_cast<std::int16_t>(hour);
  s.Moment.minute = static_cast<std::int16_t>(minute);
  return s;
}

TEST(ComputeMuhurthaLagna, TableLagnaFromDateAndClock) {
  struct Row {
    int month, day, hour, minute;
    int number;
    std::string abbreviation;
    std::string tenth;
    std::string name;
  };
  const Row rows[] = {
      {3, 1, 0, 0, 8, "Sco", "Leo", "Vrischika"},  // 996 + 4 = 1000
      {7, 10, 6, 30, 4, "Can", "Ari", "Kataka"},   // 6 + 40 + 360 + 30 = 436
      {12, 31, 23, 59, 6, "Vir", "Gem", "Kanya"},  // 2167 folds to 727
      {7, 1, 0, 0, 12, "Pis", "Sag", "Meena"},     // 10: the range 0..76
      {7, 1, 1, 7, 1, "Ari", "Cpr", "Mesha"},      // 77: first minute of Mesha
      {7, 1, 1, 6, 12, "Pis", "Sag", "Meena"},     // 76: last minute of the early Meena range
      {1, 1, 11, 30, 12, "Pis", "Sag", "Meena"},   // 726 + 4 + 690 = 1420
      {1, 1, 11, 29, 11, "Aqu", "Sco", "Kumbha"},  // 1419
      {6, 30, 23, 59, 12, "Pis", "Sag", "Meena"},  // 2886 -> 1446 -> 6, folded twice
      {6, 29, 23, 0, 11, "Aqu", "Sco", "Kumbha"},  // 2823 -> 1383
  };
  for (const Row& row : rows) {
    CalculationState s = AtClock(row.month, row.day, row.hour, row.minute);
    ComputeMuhurthaLagna(s);
    EXPECT_EQ(MuhurthaLagnaNumber(s.Lagna), row.number)
        << row.month << "/" << row.day << " " << row.hour << ":" << row.minute;
    EXPECT_EQ(AbbreviationOf(s.Lagna.MuhurthaLagna), row.abbreviation);
    EXPECT_EQ(AbbreviationOf(s.Lagna.TenthSign), row.tenth);
    EXPECT_EQ(LagnaNameOf(s.Lagna.MuhurthaLagna), row.name);
  }
}

TEST(ComputeMuhurthaLagna, LateJuneNeverKeepsAStaleLagna) {
  CalculationState s = AtClock(3, 1, 0, 0);
  ComputeMuhurthaLagna(s);
  ASSERT_EQ(s.Lagna.MuhurthaLagna, Rashi::Vrischika);
  s.Moment = AtClock(6, 30, 23, 59).Moment;
  ComputeMuhurthaLagna(s);
  EXPECT_EQ(s.Lagna.MuhurthaLagna, Rashi::Meena);
}

// The finder interpolates on the table's count to its next boundary: each
// boundary must be the first count of a new rising sign, and none missed.
TEST(ComputeMuhurthaLagna, NextRisingSignCountIsWhereTheSignChanges) {
  const struct {
    double count;
    double next;
  } edges[] = {{1, 77},      {76, 77},     {77, 182},   {1083, 1084},
               {1419, 1420}, {1420, 1517}, {1440, 1517}};
  for (const auto& edge : edges)
    EXPECT_EQ(NextRisingSignCount(edge.count), edge.next) << edge.count;

  // 1 July: the count is the clock's minute of the day plus 10, folding past 1440.
  CalculationState s = AtClock(7, 1, 0, 0);
  ComputeMuhurthaLagna(s);
  long before = MuhurthaLagnaCount(s.Moment);
  Rashi sign = s.Lagna.MuhurthaLagna;
  for (int minute = 1; minute < 1440; ++minute) {
    s.Moment = AtClock(7, 1, minute / 60, minute % 60).Moment;
    ComputeMuhurthaLagna(s);
    const long count = MuhurthaLagnaCount(s.Moment);
    EXPECT_EQ(count, (minute + 10 - 1) % 1440 + 1);
    const bool boundary = NextRisingSignCount(static_cast<double>(before)) == count;
    EXPECT_EQ(s.Lagna.MuhurthaLagna != sign, boundary) << "count " << count;
    before = count;
    sign = s.Lagna.MuhurthaLagna;
  }
}

TEST(ComputeMuhurthaLagna, PlanetsInTheTenthSignAndJupiterRising) {
  CalculationState s = AtClock(7, 10, 6, 30);  // Kataka rising, tenth sign Ari
  s.Lagna.PlanetSigns = {{{Rashi::Mesha, 5, 42},
                          {Rashi::Kataka, 17, 3},
                          {Rashi::Mesha, 29, 59},
                          {Rashi::Vrishabha, 1, 0},
                          {Rashi::Mesha, 12, 10},
                          {Rashi::Kataka, 3, 30},
                          {Rashi::Meena, 22, 11}}};
  ComputeMuhurthaLagna(s);
  FindPlanetsInTenth(s);
  CheckJupiterInLagna(s);
  EXPECT_EQ(s.Lagna.PlanetsInTenth,
            (std::vector<Planet>{Planet::Sun, Planet::Mercury, Planet::Mars}));
  EXPECT_TRUE(s.Lagna.IsJupiterInLagna);

  s.Lagna.PlanetSigns = {};
  FindPlanetsInTenth(s);
  CheckJupiterInLagna(s);
  EXPECT_TRUE(s.Lagna.PlanetsInTenth.empty());
  EXPECT_FALSE(s.Lagna.IsJupiterInLagna);
}

TEST(CheckJupiterInNinth, NineSignsEitherWay) {
  struct Row {
    Rashi jupiter;
    int lagnaNumber;
    bool expected;
  };
  const Row rows[] = {
      {Rashi::Vrischika, 12, false},  // 8 vs 12
      {Rashi::Meena, 3, true},        // 12 - 3 = 9
      {Rashi::Mesha, 10, true},       // |1 - 10| = 9
      {Rashi::Makara, 2, false},      // 10 - 2 = 8
      // An unknown position counts as position 0: nine only from sign 9.
      {Rashi::None, 9, true},
      {Rashi::None, 8, false},
  };
  for (const Row& row : rows) {
    CalculationState s;
    s.Lagna.PlanetSigns[5] = {row.jupiter, 10, 0};
    s.Lagna.MuhurthaLagna = FromIndex<Rashi>(row.lagnaNumber - 1);
    CheckJupiterInNinth(s);
    EXPECT_EQ(s.Lagna.IsJupiterInNinth, row.expected)
        << IndexOf(row.jupiter) << " " << row.lagnaNumber;
  }
}

}  // namespace
}  // namespace horavela
