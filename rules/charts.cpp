#include "rules/charts.h"

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "panchang/strengths.h"
#include "rules/evaluation.h"
#include "rules/inputs_read.h"
#include "rules/subjects.h"

namespace horavela {

MomentInput MomentInputFrom(const MomentEntry& entry) {
  MomentInput m;
  m.month = entry.month;
  m.day = entry.day;
  m.year = entry.year;
  m.zoneHours = entry.place.zoneHours;
  m.zoneMinutes = entry.place.zoneMinutes;
  m.hour = entry.hour;
  m.minute = entry.minute;
  m.longitudeDegrees = entry.place.longitudeDegrees;
  m.longitudeMinutes = entry.place.longitudeMinutes;
  m.latitudeDegrees = entry.place.latitudeDegrees;
  m.latitudeMinutes = entry.place.latitudeMinutes;
  m.dst = entry.place.dst;
  m.east = entry.place.east;
  m.north = entry.place.north;
  return m;
}

namespace {

// The ascendant, the Moon and the panchang of one moment, in that order (each
// reads the time the one before left), then its chart row.
void ComputeMoment(CalculationState& state, const MomentEntry& entry, Chart& chart,
                   MomentSnapshot& snapshot) {
  state.Moment = MomentInputFrom(entry);
  ComputeAscendant(state);
  ComputeMoon(state);
  ComputePanchang(state);

  WriteChartRow(state, chart);

  snapshot.Input = state.Moment;
  snapshot.Time = state.Time;
  snapshot.Ascendant = state.Ascendant;
  snapshot.Moon = state.Moon;
  snapshot.Panchang = state.Panchang;
}

}  // namespace

void WriteChartRow(const CalculationState& state, Chart& chart) {
  chart.moonSign = state.Moon.MoonRashi;
  chart.nakshatra = state.Moon.MoonNakshatra;
  chart.lagna = state.Ascendant.Lagna;
  chart.tithi = state.Panchang.TithiName;
  chart.yoga = state.Panchang.YogaName;
  chart.karana = state.Panchang.KaranaName;
}

void RefreshElectionChart(CalculationState& state, unsigned changedReads) {
  if (changedReads & kReadsDate) {
    ComputeElectionChart(state);
    return;
  }
  state.Moment = MomentInputFrom(state.Input.election);
  MomentSnapshot& snapshot = state.ElectionMoment;
  if (changedReads & kReadsLagna) {
    ComputeAscendant(state);
    snapshot.Ascendant = state.Ascendant;
  }
  // The panchang reads the time base the Moon leaves, so both move together.
  if (changedReads & (kReadsMoon | kReadsPanchang)) {
    ComputeMoon(state);
    snapshot.Moon = state.Moon;
  }
  if (changedReads & kReadsPanchang) {
    ComputePanchang(state);
    snapshot.Panchang = state.Panchang;
  }
  WriteChartRow(state, state.ElectionChart);
  snapshot.Input = state.Moment;
  snapshot.Time = state.Time;
}

void ComputeBirthChart(CalculationState& state) {
  ComputeMoment(state, state.Input.birth, state.BirthChart, state.BirthMoment);
  state.BirthChart.weekday = state.Panchang.BirthWeekday;
}

void ComputeElectionChart(CalculationState& state) {
  ComputeMoment(state, state.Input.election, state.ElectionChart, state.ElectionMoment);
  state.ElectionChart.weekday = state.Panchang.ElectionWeekday;
}

void ComputeCharts(CalculationState& state, PlanetEphemeris& ephemeris) {
  ComputeBirthChart(state);
  ComputeElectionChart(state);
  // The planets of the election moment, for the Jupiter and tenth-house factors
  // and the outputs that show them, once one of them asks.
  ComputePlanetSignsOnDemand(state, ephemeris);
}

void ComputeStrengths(CalculationState& state) {
  ComputeTaraBala(state);
  ComputeChandraBala(state);
}

bool RunSubjectRuleSet(CalculationState& state) {
  ResetRuleSetOutputs(state);
  const RuleSet ruleSet = FindRuleSet(state.Input.subject);
  if (ruleSet == nullptr) return false;
  ruleSet(state);
  return true;
}

EvaluationInput OnCivilWeekday(EvaluationInput input) {
  const MomentEntry& e = input.election;
  input.electionWeekday = WeekdayOfCivilDate(e.year, e.month, e.day);
  return input;
}

CalculationState EvaluatedState(const EvaluationInput& input, PlanetEphemeris& ephemeris) {
  CalculationState state;
  state.Input = input;
  ComputeCharts(state, ephemeris);
  ComputeStrengths(state);
  RunSubjectRuleSet(state);
  return state;
}

}  // namespace horavela
