// Rule sets for domestic, religious and foreign journeys. Beyond the
// panchang they judge the election lagna against the person's birth chart and
// weigh seven special yogas, three of them as penalties.

#include "engine/lagna_tests.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/journey_factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

// Weekday of the domestic and religious journeys. A Tuesday scores -1 yet is
// counted and shows the favourable report text: the least favourable day
// still lets a journey go ahead, at a cost.
Outcome TuesdayAvoidedWeekdayFactor(const CalculationState& s) {
  return FirstHolding({{WeekdayIn(s, {Weekday::Tuesday}),
                        {Factor::Weekday, Word::LeastFavourable, -1, kCounts, WeekdayFlag, 2}}},
                      {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2});
}

// The three penalty yogas into three consecutive slots, Mrityu first.
void RecordPenaltyYogas(RuleSetRun& run, CalculationState& s, int first) {
  run.Record(first, MrityuYogaFactor(s));
  run.Record(first + 1, DagdhaYogaFactor(s));
  run.Record(first + 2, YamaghataYogaFactor(s));
}

}  // namespace

void EvaluateDomesticJourney(CalculationState& s) {
  RuleSetRun run(s, {15, 7});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // Krittika and Bharani show the favourable report text though they score -1;
  // the neutral stars score a full point.
  run.Record(
      2,
      FirstHolding(
          {{MoonNakshatraIn(s, {Nakshatra::Krittika, Nakshatra::Bharani}),
            {Factor::Nakshatra, Word::LeastFavourable, -1, kKeeps, NakshatraFlag, 2}},
           {MoonNakshatraIn(s, {Nakshatra::Ashlesha, Nakshatra::Vishakha, Nakshatra::PoorvaPhalguni,
                                Nakshatra::PoorvaBhadrapada, Nakshatra::Ardra}),
            {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}}},
          {Factor::Nakshatra, Word::Neutral, 1, kCounts, NakshatraFlag, 2}));
  run.Record(3, JourneyTithiFactor(s));
  run.Record(4, TuesdayAvoidedWeekdayFactor(s));
  run.Record(5, JourneyRashiFactor(s));
  // The lagna factors write no report selector.
  run.Record(6, FirstHolding({{ElectionLagnaCountAvoided(s),
                               {Factor::MuhurthaLagnaFromBirth, Word::Unfavourable, -1, kKeeps}}},
                             {Factor::MuhurthaLagnaFromBirth, Word::Neutral, 0, kCounts}));
  run.Record(7, FirstHolding({{MuhurthaLagnaOnBirthRashi(s),
                               {Factor::MuhurthaLagnaWithBirth, Word::Favourable, 1, kCounts}}},
                             {Factor::MuhurthaLagnaWithBirth, Word::Neutral, 0, kCounts}));
  run.Record(8, SiddhaYogaFactor(s, kCounts));
  run.Record(9, SarvarthaSiddhaYogaFactor(s, kCounts));
  run.Record(10, TripushkarYogaFactor(s, kCounts));
  run.Record(11, AmritaSiddhiYogaFactor(s, kCounts));
  RecordPenaltyYogas(run, s, 12);
  run.Finish();
}

void EvaluateReligiousJourney(CalculationState& s) {
  RuleSetRun run(s, {17, 8});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // No nakshatra counts against a pilgrimage: even Krittika and Bharani count.
  run.Record(
      2,
      FirstHolding(
          {{MoonNakshatraIn(s, {Nakshatra::Krittika, Nakshatra::Bharani}),
            {Factor::Nakshatra, Word::LeastFavourable, -1, kCounts, NakshatraFlag, 2}},
           {MoonNakshatraIn(s, {Nakshatra::Ashlesha, Nakshatra::Vishakha, Nakshatra::PoorvaPhalguni,
                                Nakshatra::PoorvaBhadrapada, Nakshatra::Ardra}),
            {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}}},
          {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}));
  run.Record(3, JourneyTithiFactor(s));
  run.Record(4, TuesdayAvoidedWeekdayFactor(s));
  run.Record(5, JourneyRashiFactor(s));
  run.Record(6, FirstHolding({{ElectionLagnaCountAvoided(s),
                               {Factor::ElectionalLagnaFromBirth, Word::Unfavourable, -1, kKeeps}}},
                             {Factor::ElectionalLagnaFromBirth, Word::Favourable, 1, kCounts}));
  // Here a neutral lagna does not count.
  run.Record(7, FirstHolding({{MuhurthaLagnaOnBirthRashi(s),
                               {Factor::ElectionalLagnaWithBirth, Word::Favourable, 1, kCounts}}},
                             {Factor::ElectionalLagnaWithBirth, Word::Neutral, 0, kKeeps}));
  // Jupiter in the table lagna the factor above computed.
  CheckJupiterInLagna(s);
  run.Record(8, FirstHolding({{s.Lagna.IsJupiterInLagna,
                               {Factor::JupiterRising, Word::Favourable, 1, kCounts}}},
                             {Factor::JupiterRising, Word::Neutral, 0, kCounts}));
  CheckJupiterInNinth(s);
  run.Record(9, FirstHolding({{s.Lagna.IsJupiterInNinth,
                               {Factor::JupiterNinth, Word::Favourable, 1, kCounts}}},
                             {Factor::JupiterNinth, Word::Neutral, 0, kCounts}));
  // Only the Siddha yoga counts when absent.
  run.Record(10, SiddhaYogaFactor(s, kCounts));
  run.Record(11, SarvarthaSiddhaYogaFactor(s, kKeeps));
  run.Record(12, TripushkarYogaFactor(s, kKeeps));
  run.Record(13, AmritaSiddhiYogaFactor(s, kKeeps));
  RecordPenaltyYogas(run, s, 14);
  run.Finish();
}

void EvaluateForeignJourney(CalculationState& s) {
  RuleSetRun run(s, {15, 7});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // The Moon back in the birth nakshatra is tried first and overrides the lists.
  const bool birthStar = s.ElectionChart.nakshatra == s.BirthChart.nakshatra;
  run.Record(
      2,
      FirstHolding(
          {{birthStar, {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}},
           {MoonNakshatraIn(s, {Nakshatra::Krittika, Nakshatra::Bharani}),
            {Factor::Nakshatra, Word::LeastFavourable, -1, kCounts, NakshatraFlag, 2}},
           {MoonNakshatraIn(s, {Nakshatra::Ashlesha, Nakshatra::Vishakha, Nakshatra::PoorvaPhalguni,
                                Nakshatra::PoorvaBhadrapada, Nakshatra::Ardra}),
            {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}},
           {MoonNakshatraIn(s, {Nakshatra::Swati, Nakshatra::Punarvasu, Nakshatra::Shravana,
                                Nakshatra::Dhanistha, Nakshatra::Shatabhisha}),
            {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
          {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, JourneyTithiFactor(s));
  run.Record(4,
             FirstHolding({{WeekdayIn(s, {Weekday::Tuesday}),
                            {Factor::Weekday, Word::LeastFavourable, -1, kCounts, WeekdayFlag, 2}},
                           {WeekdayIn(s, {Weekday::Monday}),
                            {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                          {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(5, JourneyRashiFactor(s));
  run.Record(6, FirstHolding({{ElectionLagnaCountAvoided(s),
                               {Factor::ElectionalLagnaFromBirth, Word::Unfavourable, -1, kKeeps}}},
                             {Factor::ElectionalLagnaFromBirth, Word::Neutral, 0, kCounts}));
  run.Record(7, FirstHolding({{MuhurthaLagnaOnBirthRashi(s),
                               {Factor::ElectionalLagnaWithBirth, Word::Favourable, 1, kCounts}}},
                             {Factor::ElectionalLagnaWithBirth, Word::Neutral, 0, kCounts}));
  run.Record(8, SiddhaYogaFactor(s, kCounts));
  run.Record(9, SarvarthaSiddhaYogaFactor(s, kCounts));
  run.Record(10, TripushkarYogaFactor(s, kCounts));
  run.Record(11, AmritaSiddhiYogaFactor(s, kCounts));
  RecordPenaltyYogas(run, s, 12);
  run.Finish();
}

}  // namespace horavela
