// The Jupiter and tenth-house factors with the planets as they stood, end to
// end through the driver (Swiss Ephemeris), against the same evaluation with
// the planet positions left unknown.
#include <gtest/gtest.h>

#include <string>

#include "judge/calculation_driver.h"
#include "panchang/panchang.h"
#include "report/plain_text_sink.h"
#include "report/report_writer.h"
#include "rules/charts.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/chart_values.h"

namespace horavela {
namespace {

// New Delhi, 1 March 2025. Sidereal positions that day: Sun 16 Aqu, Moon in
// Aquarius then Pisces, Mercury 1-2 Pis, Venus 16 Pis, Mars 22 Gem, Jupiter
// 18 Tau, Saturn 26 Aqu.
EvaluationInput NewDelhi(const char* subject, int hour) {
  EvaluationInput input;
  input.subject = subject;
  input.name = "Asha";
  input.sex = "Female";
  input.birth.year = 1990;
  input.birth.month = 5;
  input.birth.day = 10;
  input.birth.hour = 6;
  input.birth.place.latitudeDegrees = 28;
  input.birth.place.latitudeMinutes = 37;
  input.birth.place.longitudeDegrees = 77;
  input.birth.place.longitudeMinutes = 13;
  input.birth.place.zoneHours = -5;
  input.birth.place.zoneMinutes = -30;
  input.election = input.birth;
  input.election.year = 2025;
  input.election.month = 3;
  input.election.day = 1;
  input.election.hour = static_cast<std::int16_t>(hour);
  input.electionWeekday = WeekdayOfCivilDate(2025, 3, 1);
  return input;
}

TEST(PlanetFactors, RealJupiterIsNotNineSignsFromTheTableLagna) {
  PlainTextSink sink;
  const CalculationState real =
      RunEvaluation(NewDelhi("Religious Journey", 2), sink, SwissEphemeris());
  EXPECT_EQ(real.Lagna.PlanetSigns[5].sign, Rashi::Vrishabha);
  EXPECT_EQ(real.Lagna.MuhurthaLagna, Rashi::Dhanus);
  EXPECT_FALSE(real.Lagna.IsJupiterInNinth);
  EXPECT_EQ(TextOf(real.Result.FactorVerdicts[9]), "Jupiter in 9th House - Neutral");

  // Without planets Jupiter's position is unknown, counts as position 0 and so lies
  // "nine signs" from a table lagna of 9.
  CalculationState blind;
  blind.Input = NewDelhi("Religious Journey", 2);
  ComputeBirthChart(blind);
  ComputeElectionChart(blind);
  ComputeStrengths(blind);
  EvaluateReligiousJourney(blind);
  WriteReport(blind, sink);
  EXPECT_EQ(TextOf(blind.Result.FactorVerdicts[9]), "Jupiter in 9th House - Favourable");
  EXPECT_EQ(blind.Result.TotalScore, real.Result.TotalScore + 1);
}

TEST(PlanetFactors, TradeListsThePlanetsInTheTenthSign) {
  struct Row {
    int hour;
    std::string planetLines;
  };
  const Row rows[] = {
      {11, "Sun\r\nSaturn\r\n\r\n"},             // table lagna Vrishabha, tenth Aquarius
      {13, "Moon\r\nMercury\r\nVenus\r\n\r\n"},  // Mithuna, tenth Pisces
      {17, "Jupiter\r\n\r\n"},                   // Simha, tenth Taurus
      {19, "Mars\r\n\r\n"},                      // Kanya, tenth Gemini
  };
  for (const Row& row : rows) {
    PlainTextSink sink;
    const CalculationState state =
        RunEvaluation(NewDelhi("Learning of a Trade", row.hour), sink, SwissEphemeris());
    const std::string heading = "Planet in the 10th House from the position of Asc \r\n";
    const std::size_t at = ResultLabelOf(state.Result).find(heading);
    ASSERT_NE(at, std::string::npos) << row.hour;
    EXPECT_EQ(ResultLabelOf(state.Result).substr(at + heading.size()), row.planetLines) << row.hour;
  }
}

}  // namespace
}  // namespace horavela
