#include "rules/journey_factors.h"

#include <cstdint>

#include "engine/lagna_tests.h"
#include "panchang/special_yogas.h"
#include "rules/factors.h"

namespace horavela {

namespace {

// The birth Moon-sign slot and the lagna tables spell Scorpio and Sagittarius
// differently; both spellings name the same sign.
bool SameSign(std::string_view a, std::string_view b) {
  return CanonicalName(a) == CanonicalName(b);
}

}  // namespace

Outcome SiddhaYogaFactor(CalculationState& s, bool absent) {
  CheckSiddhaYoga(s);
  return FirstHolding(
      {{s.Yogas.IsSiddhaYoga, {"Siddhi Yoga - Favourable", 1, kCounts, SiddhaFlag, 2}}},
      {"Siddhi Yoga - Neutral", 0, absent, SiddhaFlag, 2});
}

Outcome SarvarthaSiddhaYogaFactor(CalculationState& s, bool absent) {
  CheckSarvarthaSiddhaYoga(s);
  return FirstHolding({{s.Yogas.IsSarvarthaSiddhaYoga,
                        {"Sarvartha Siddha Yoga - Favourable", 1, kCounts, SarvarthaFlag, 2}}},
                      {"Sarvartha Siddha Yoga - Neutral", 0, absent, SarvarthaFlag, 2});
}

Outcome AmritaSiddhiYogaFactor(CalculationState& s, bool absent) {
  CheckAmritaSiddhiYoga(s);
  return FirstHolding({{s.Yogas.IsAmritaSiddhiYoga,
                        {"Amrita Siddhi Yoga - Favourable", 1, kCounts, AmritaFlag, 2}}},
                      {"Amrita Siddhi Yoga - Neutral", 0, absent, AmritaFlag, 2});
}

Outcome TripushkarYogaFactor(CalculationState& s, bool absent) {
  CheckTripushkarYoga(s);
  return FirstHolding(
      {{s.Yogas.IsTripushkarYoga, {"Tripushkar Yoga - Favourable", 1, kCounts, TripushkarFlag, 2}}},
      {"Tripushkar Yoga - Neutral", 0, absent, TripushkarFlag, 2});
}

// An absent penalty yoga is an empty outcome: nothing to write, nothing to show.
Outcome MrityuYogaFactor(CalculationState& s) {
  CheckMrityuYoga(s);
  return FirstHolding(
      {{s.Yogas.IsMrityuYoga, {"Mrityu Yoga - Unfavourable", -1, kKeeps, MrityuFlag, 1}}},
      {"", 0, kKeeps, MrityuFlag, 0});
}

Outcome DagdhaYogaFactor(CalculationState& s) {
  CheckDagdhaYoga(s);
  return FirstHolding(
      {{s.Yogas.IsDagdhaYoga, {"Dagdha Yoga - Unfavourable", -1, kKeeps, DaghdaFlag, 1}}},
      {"", 0, kKeeps, DaghdaFlag, 0});
}

Outcome YamaghataYogaFactor(CalculationState& s) {
  CheckYamaghataYoga(s);
  return FirstHolding(
      {{s.Yogas.IsYamaghataYoga, {"Yamaghata Yoga - Unfavourable", -1, kKeeps, YamaghataFlag, 1}}},
      {"", 0, kKeeps, YamaghataFlag, 0});
}

Outcome JourneyTithiFactor(const CalculationState& s) {
  return FirstHolding(
      {{TithiNumberIn(s, {14, 15, 30}), {"Tithi - Unfavourable", -1, kKeeps, TithiFlag, 1}},
       {TithiNumberIn(s, {2, 3, 5, 7, 10, 11, 13}),
        {"Tithi - Favourable", 1, kCounts, TithiFlag, 2}}},
      {"Tithi - Neutral", 0, kCounts, TithiFlag, 2});
}

Outcome JourneyRashiFactor(const CalculationState& s) {
  return FirstHolding({{MoonSignIn(s, {"Mesha", "Vrishabha", "Kataka", "Simha", "Thula", "Dhanus"}),
                        {"Rashi - Favourable", 1, kCounts, RashiFlag, 2}}},
                      {"Rashi - Neutral", 0, kCounts, RashiFlag, 2});
}

bool ElectionLagnaCountAvoided(CalculationState& s) {
  std::int16_t count = 0;
  CountFromBirthLagna(s, count);
  s.Lagna.LagnaCount = count;  // left in the state for anyone showing the count
  return count == 5 || count == 7 || count == 9;
}

bool MuhurthaLagnaOnBirthRashi(CalculationState& s) {
  CalcMuhurthaLagna(s);
  const std::string& lagna = s.Lagna.MuhurthaLagnaName;
  return SameSign(lagna, s.BirthChart[kMoonSignSlot]) && !SameSign(lagna, s.BirthChart[kLagnaSlot]);
}

}  // namespace horavela
