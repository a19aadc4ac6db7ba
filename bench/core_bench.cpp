// The astronomy of one moment (ascendant, Moon, panchang), the two-moment
// chart computation the driver runs before the rule sets (the planets only
// when read), and the planets' own cost.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "judge/calculation_driver.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {
namespace {

MomentEntry NewDelhi(std::int16_t year, std::int16_t month, std::int16_t day, std::int16_t hour,
                     std::int16_t minute) {
  MomentEntry entry;
  entry.year = year;
  entry.month = month;
  entry.day = day;
  entry.hour = hour;
  entry.minute = minute;
  entry.place.latitudeDegrees = 28;
  entry.place.latitudeMinutes = 37;
  entry.place.longitudeDegrees = 77;
  entry.place.longitudeMinutes = 13;
  entry.place.zoneHours = -5;
  entry.place.zoneMinutes = -30;
  return entry;
}

EvaluationInput TwoMoments() {
  EvaluationInput input;
  input.subject = "Marriage";
  input.name = "Asha";
  input.sex = "Female";
  input.birth = NewDelhi(1995, 8, 14, 5, 40);
  input.election = NewDelhi(2025, 2, 12, 10, 15);
  input.electionWeekday = Weekday::Wednesday;
  return input;
}

void BM_OneMoment(benchmark::State& bench) {
  CalculationState state;
  state.Input = TwoMoments();
  state.Moment = MomentInputFrom(state.Input.election);
  std::int16_t minute = 0;
  for (auto _ : bench) {
    // A different minute each time, so nothing can be carried over.
    state.Moment.minute = minute;
    minute = static_cast<std::int16_t>((minute + 1) % 60);
    ComputeAscendant(state);
    ComputeMoon(state);
    ComputePanchang(state);
    benchmark::DoNotOptimize(state.Panchang.KaranaIndex);
    benchmark::DoNotOptimize(state.Ascendant.Lagna);
  }
}
BENCHMARK(BM_OneMoment);

// Both charts and the strengths of one election minute, a minute later on
// each call so no cache carries over.
CalculationState ChartsAndStrengthsOfNextMinute(const EvaluationInput& input,
                                                std::int16_t& minute) {
  CalculationState state;
  state.Input = input;
  state.Input.election.minute = minute;
  minute = static_cast<std::int16_t>((minute + 1) % 60);
  ComputeCharts(state, SwissEphemeris());
  ComputeStrengths(state);
  return state;
}

void BM_ChartsAndStrengths(benchmark::State& bench) {
  const EvaluationInput input = TwoMoments();
  std::int16_t minute = 0;
  for (auto _ : bench) {
    CalculationState state = ChartsAndStrengthsOfNextMinute(input, minute);
    benchmark::DoNotOptimize(state.TaraBalaVerdict);
  }
}
BENCHMARK(BM_ChartsAndStrengths);

// As above for a rule set or an output that reads the planets: they are
// computed on first use, once.
void BM_ChartsAndStrengthsReadingPlanets(benchmark::State& bench) {
  const EvaluationInput input = TwoMoments();
  std::int16_t minute = 0;
  for (auto _ : bench) {
    CalculationState state = ChartsAndStrengthsOfNextMinute(input, minute);
    benchmark::DoNotOptimize(ElectionPlanetSigns(state)[5].sign);
  }
}
BENCHMARK(BM_ChartsAndStrengthsReadingPlanets);

// The planets' own cost: the seven planets of one moment and their positions.
void BM_PlanetSigns(benchmark::State& bench) {
  CalculationState state;
  state.Input = TwoMoments();
  ComputeElectionChart(state);
  for (auto _ : bench) {
    // A minute later each time, so the ephemeris cannot answer from its cache.
    state.ElectionMoment.Time.LocalHours += 1.0 / 60;
    ComputePlanetSigns(state, SwissEphemeris());
    benchmark::DoNotOptimize(state.Lagna.PlanetSigns[5].sign);
  }
}
BENCHMARK(BM_PlanetSigns);

// One whole evaluation with Swiss Ephemeris's Sun, Moon and ascendant and the
// Lahiri ayanamsa (planets read), a minute later on each call.
void BM_OneEvaluationSwissLahiri(benchmark::State& bench) {
  EvaluationInput input = TwoMoments();
  input.subject = "Religious Journey";
  input.settings = {EphemerisSource::Swiss, AyanamsaSystem::Lahiri};
  std::int16_t minute = 0;
  for (auto _ : bench) {
    input.election.minute = minute;
    minute = static_cast<std::int16_t>((minute + 1) % 60);
    benchmark::DoNotOptimize(EvaluatedState(input, SwissEphemeris()).Result.TotalScore);
  }
}
BENCHMARK(BM_OneEvaluationSwissLahiri)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace horavela
