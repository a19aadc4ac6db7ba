// Rule sets for betrothal and marriage: the engagement, the wedding itself and
// the bride's first entrance into her new home.
//
// Only the wedding weighs the special yogas; each test runs right before the
// factor that reads it, so the factor always judges the current chart.

#include "panchang/special_yogas.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/rule_sets.h"

namespace horavela {

void EvaluateEngagement(CalculationState& s) {
  RuleSetRun run(s, {5, 2, LabelStyle::Electional});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding({{MoonNakshatraIn(s, {Nakshatra::UttaraPhalguni, Nakshatra::UttaraAshadha,
                                            Nakshatra::UttaraBhadrapada, Nakshatra::Krittika,
                                            Nakshatra::PoorvaBhadrapada, Nakshatra::PoorvaPhalguni,
                                            Nakshatra::PurvaAshadha}),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // A neutral tithi does not count for a betrothal.
  run.Record(3, FirstHolding({{TithiNumberIn(s, {2, 3, 5, 7, 10}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kKeeps, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Saturday}),
                               {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

void EvaluateMarriage(CalculationState& s) {
  RuleSetRun run(s, {10, 5, LabelStyle::YogaWarning});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2,
             FirstHolding(
                 {{MoonNakshatraIn(
                       s, {Nakshatra::Rohini, Nakshatra::UttaraAshadha, Nakshatra::UttaraBhadrapada,
                           Nakshatra::Mrigasira, Nakshatra::Revati, Nakshatra::Anuradha,
                           Nakshatra::Moola, Nakshatra::Swati, Nakshatra::Magha, Nakshatra::Ashwini,
                           Nakshatra::Chitra, Nakshatra::Shravana, Nakshatra::Dhanistha,
                           Nakshatra::UttaraPhalguni, Nakshatra::Hasta}),
                   {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                 {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // The wedding list marks these tithis unfavourable although most of them are
  // counted auspicious elsewhere: this table's own rule, deliberately so.
  run.Record(
      3, FirstHolding({{TithiIn(s, {Tithi::Dwitiya, Tithi::Tritiya, Tithi::Panchami, Tithi::Saptami,
                                    Tithi::Dashami, Tithi::Ekadashi, Tithi::Triyodashi}),
                        {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                      {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  // The nine inauspicious yogas of the standard factor, but with the verdict
  // spelled out in full here.
  run.Record(5, FirstHolding({{YogaIn(s, {Yoga::Vishkambha, Yoga::Atiganda, Yoga::Soola,
                                          Yoga::Ganda, Yoga::Vyaghata, Yoga::Vajra, Yoga::Vyatipata,
                                          Yoga::Parigha, Yoga::Vaidhriti}),
                               {Factor::Yoga, Word::Unfavourable, -1, kKeeps, YogaFlag, 1}}},
                             {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2}));
  run.Record(6, StandardKaranaFactor(s));

  // Both outcomes of the three special yogas count and select the report
  // section, so the report always explains all three.
  CheckSiddhaYoga(s);
  run.Record(7, FirstHolding({{s.Yogas.IsSiddhaYoga,
                               {Factor::SiddhaYoga, Word::Favourable, 1, kCounts, SiddhaFlag, 2}}},
                             {Factor::SiddhaYoga, Word::Neutral, 0, kCounts, SiddhaFlag, 2}));
  CheckSarvarthaSiddhaYoga(s);
  run.Record(
      8, FirstHolding({{s.Yogas.IsSarvarthaSiddhaYoga,
                        {Factor::SarvarthaYoga, Word::Favourable, 1, kCounts, SarvarthaFlag, 2}}},
                      {Factor::SarvarthaYoga, Word::Neutral, 0, kCounts, SarvarthaFlag, 2}));
  // Also leaves the warning that the result label carries below this factor.
  CheckAmritaSiddhiYoga(s);
  run.Record(9, FirstHolding({{s.Yogas.IsAmritaSiddhiYoga,
                               {Factor::AmritaYoga, Word::Favourable, 1, kCounts, AmritaFlag, 2}}},
                             {Factor::AmritaYoga, Word::Neutral, 0, kCounts, AmritaFlag, 2}));
  run.Finish();
}

void EvaluateBrideEntrance(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {Nakshatra::UttaraPhalguni, Nakshatra::UttaraBhadrapada,
                                          Nakshatra::UttaraAshadha, Nakshatra::Mrigasira,
                                          Nakshatra::Revati, Nakshatra::Chitra, Nakshatra::Anuradha,
                                          Nakshatra::Hasta, Nakshatra::Ashwini, Nakshatra::Pushya,
                                          Nakshatra::Shravana, Nakshatra::Dhanistha,
                                          Nakshatra::Moola, Nakshatra::Magha, Nakshatra::Swati}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number, so only the bright fortnight's Rikta tithis are barred.
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 9, 14}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Tuesday, Weekday::Sunday}),
                               {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

}  // namespace horavela
