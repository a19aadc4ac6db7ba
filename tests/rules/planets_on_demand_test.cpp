#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "engine/planet_ephemeris.h"
#include "rules/charts.h"
#include "rules/evaluation.h"
#include "support/chart_values.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

// Counts the ephemeris calls, answering each from Swiss Ephemeris or failing.
class CountingEphemeris final : public PlanetEphemeris {
 public:
  explicit CountingEphemeris(bool fails = false) : fails_(fails) {}
  std::optional<PlanetLongitudes> TropicalLongitudes(double julianDayUt,
                                                     PlanetSet planets) override {
    ++calls;
    if (fails_) return std::nullopt;
    return SwissEphemeris().TropicalLongitudes(julianDayUt, planets);
  }
  std::string Description() const override { return "counting ephemeris"; }
  int calls = 0;

 private:
  bool fails_;
};

CalculationState Evaluated(const char* subject, PlanetEphemeris& ephemeris) {
  CalculationState state;
  state.Input.subject = subject;
  state.Input.sex = "Female";
  state.Input.birth = testing::On(1995, 8, 14).At(5, 40).In(testing::NewDelhi());
  state.Input.election = testing::On(2025, 2, 12).At(10, 15).In(testing::NewDelhi());
  state.Input.electionWeekday = ::horavela::testing::WeekdayOrNone("Wednesday");
  ComputeCharts(state, ephemeris);
  ComputeStrengths(state);
  RunSubjectRuleSet(state);
  return state;
}

// The planets cost an ephemeris call: only a rule set that reads them makes it,
// once, and a reader after it gets the same texts without another.
TEST(PlanetsOnDemand, ComputedOnceAndOnlyWhenRead) {
  struct Row {
    const char* subject;
    int callsByRuleSet;
  };
  const Row rows[] = {
      {"Marriage", 0},
      {"Naming of The Child or Namakarana", 0},
      {"Religious Journey", 1},    // Jupiter and the table lagna
      {"Learning of a Trade", 1},  // the planets in the tenth sign
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.subject);
    CountingEphemeris ephemeris;
    CalculationState state = Evaluated(row.subject, ephemeris);
    EXPECT_EQ(ephemeris.calls, row.callsByRuleSet);
    const PlanetPosition jupiter = ElectionPlanetSigns(state)[5];
    EXPECT_EQ(ElectionPlanetSigns(state)[5], jupiter);
    EXPECT_EQ(ephemeris.calls, 1);
    EXPECT_EQ(jupiter.sign, Rashi::Vrishabha);  // Jupiter in sidereal Taurus in February 2025
  }
}

// The domestic and foreign journeys judge the table lagna against the birth
// chart but read no planet: they leave the planets pending, and judge as they
// do with the planets computed before them.
TEST(PlanetsOnDemand, JourneysReadingNoPlanetLeaveThemPending) {
  for (const char* subject : {"Domestic Journey", "Foreign Journey"}) {
    SCOPED_TRACE(subject);
    CountingEphemeris ephemeris;
    const CalculationState pending = Evaluated(subject, ephemeris);
    EXPECT_EQ(ephemeris.calls, 0);
    EXPECT_NE(pending.PlanetsToCompute.ephemeris, nullptr);

    CalculationState computed = Evaluated(subject, ephemeris);
    ElectionPlanetSigns(computed);
    RunSubjectRuleSet(computed);
    EXPECT_EQ(computed.Result.FactorVerdicts, pending.Result.FactorVerdicts);
    EXPECT_EQ(computed.Result.FactorPoints, pending.Result.FactorPoints);
    EXPECT_EQ(ResultLabelOf(computed.Result), ResultLabelOf(pending.Result));
  }
}

// An ephemeris that fails is reported once, when the planets are first read.
TEST(PlanetsOnDemand, AFailureWarnsWhenFirstRead) {
  CountingEphemeris failing(true);
  CalculationState state = Evaluated("Marriage", failing);
  EXPECT_TRUE(state.Warnings.empty());
  EXPECT_FALSE(ElectionPlanetSigns(state)[0].known());
  EXPECT_FALSE(ElectionPlanetSigns(state)[5].known());
  EXPECT_EQ(failing.calls, 1);
  ASSERT_EQ(state.Warnings.size(), 1u);
  EXPECT_NE(state.Warnings[0].find("counting ephemeris"), std::string::npos);
}

}  // namespace
}  // namespace horavela
