#include "rules/journey_factors.h"

#include <cstdint>

#include "engine/lagna_tests.h"
#include "panchang/special_yogas.h"
#include "rules/factors.h"

namespace horavela {

Outcome SiddhaYogaFactor(CalculationState& s, bool absent) {
  CheckSiddhaYoga(s);
  return FirstHolding(
      {{s.Yogas.IsSiddhaYoga, {Factor::SiddhiYoga, Word::Favourable, 1, kCounts, SiddhaFlag, 2}}},
      {Factor::SiddhiYoga, Word::Neutral, 0, absent, SiddhaFlag, 2});
}

Outcome SarvarthaSiddhaYogaFactor(CalculationState& s, bool absent) {
  CheckSarvarthaSiddhaYoga(s);
  return FirstHolding(
      {{s.Yogas.IsSarvarthaSiddhaYoga,
        {Factor::SarvarthaSiddhaYoga, Word::Favourable, 1, kCounts, SarvarthaFlag, 2}}},
      {Factor::SarvarthaSiddhaYoga, Word::Neutral, 0, absent, SarvarthaFlag, 2});
}

Outcome AmritaSiddhiYogaFactor(CalculationState& s, bool absent) {
  CheckAmritaSiddhiYoga(s);
  return FirstHolding({{s.Yogas.IsAmritaSiddhiYoga,
                        {Factor::AmritaSiddhiYoga, Word::Favourable, 1, kCounts, AmritaFlag, 2}}},
                      {Factor::AmritaSiddhiYoga, Word::Neutral, 0, absent, AmritaFlag, 2});
}

Outcome TripushkarYogaFactor(CalculationState& s, bool absent) {
  CheckTripushkarYoga(s);
  return FirstHolding({{s.Yogas.IsTripushkarYoga,
                        {Factor::TripushkarYoga, Word::Favourable, 1, kCounts, TripushkarFlag, 2}}},
                      {Factor::TripushkarYoga, Word::Neutral, 0, absent, TripushkarFlag, 2});
}

// An absent penalty yoga is an empty outcome: nothing to write, nothing to show.
Outcome MrityuYogaFactor(CalculationState& s) {
  CheckMrityuYoga(s);
  return FirstHolding(
      {{s.Yogas.IsMrityuYoga, {Factor::MrityuYoga, Word::Unfavourable, -1, kKeeps, MrityuFlag, 1}}},
      {Factor::MrityuYoga, Word::None, 0, kKeeps, MrityuFlag, 0});
}

Outcome DagdhaYogaFactor(CalculationState& s) {
  CheckDagdhaYoga(s);
  return FirstHolding(
      {{s.Yogas.IsDagdhaYoga, {Factor::DagdhaYoga, Word::Unfavourable, -1, kKeeps, DaghdaFlag, 1}}},
      {Factor::DagdhaYoga, Word::None, 0, kKeeps, DaghdaFlag, 0});
}

Outcome YamaghataYogaFactor(CalculationState& s) {
  CheckYamaghataYoga(s);
  return FirstHolding({{s.Yogas.IsYamaghataYoga,
                        {Factor::YamaghataYoga, Word::Unfavourable, -1, kKeeps, YamaghataFlag, 1}}},
                      {Factor::YamaghataYoga, Word::None, 0, kKeeps, YamaghataFlag, 0});
}

Outcome JourneyTithiFactor(const CalculationState& s) {
  return FirstHolding({{TithiNumberIn(s, {14, 15, 30}),
                        {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}},
                       {TithiNumberIn(s, {2, 3, 5, 7, 10, 11, 13}),
                        {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                      {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2});
}

Outcome JourneyRashiFactor(const CalculationState& s) {
  return FirstHolding({{MoonSignIn(s, {Rashi::Mesha, Rashi::Vrishabha, Rashi::Kataka, Rashi::Simha,
                                       Rashi::Thula, Rashi::Dhanus}),
                        {Factor::Rashi, Word::Favourable, 1, kCounts, RashiFlag, 2}}},
                      {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2});
}

bool ElectionLagnaCountAvoided(CalculationState& s) {
  std::int16_t count = 0;
  CountFromBirthLagna(s, count);
  s.Lagna.LagnaCount = count;  // left in the state for anyone showing the count
  return count == 5 || count == 7 || count == 9;
}

bool MuhurthaLagnaOnBirthRashi(CalculationState& s) {
  ComputeMuhurthaLagna(s);
  const Rashi lagna = s.Lagna.MuhurthaLagna;
  return lagna == s.BirthChart.moonSign && lagna != s.BirthChart.lagna;
}

}  // namespace horavela
