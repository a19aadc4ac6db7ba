// Rule sets for medical treatment, operations, land and goods.

#include "panchang/special_yogas.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

// The Moon back in the person's own birth nakshatra.
bool MoonInBirthNakshatra(const CalculationState& s) {
  return s.ElectionChart.nakshatra == s.BirthChart.nakshatra;
}

// Nakshatra factor of operations, land and purchases: the birth nakshatra is
// tried first, then the subject's favourable stars.
Outcome BirthStarNakshatraFactor(const CalculationState& s,
                                 std::initializer_list<Nakshatra> favourable) {
  return FirstHolding({{MoonInBirthNakshatra(s),
                        {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}},
                       {MoonNakshatraIn(s, favourable),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2});
}

// The new-moon day (the name, so it is the dark fortnight's last tithi only).
Outcome AmavashyaTithiFactor(const CalculationState& s) {
  return FirstHolding({{TithiIn(s, {Tithi::Amavasya}),
                        {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                      {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2});
}

Outcome TripushkarFactor(CalculationState& s) {
  CheckTripushkarYoga(s);
  return FirstHolding({{s.Yogas.IsTripushkarYoga,
                        {Factor::TripushkarYoga, Word::Favourable, 1, kCounts, TripushkarFlag, 2}}},
                      {Factor::TripushkarYoga, Word::Neutral, 0, kCounts, TripushkarFlag, 2});
}

// Factors 2 to 4 of both land subjects.
void RecordLandFactors(RuleSetRun& run, const CalculationState& s) {
  run.Record(
      2, BirthStarNakshatraFactor(
             s, {Nakshatra::Ashwini, Nakshatra::Rohini, Nakshatra::Mrigasira, Nakshatra::Punarvasu,
                 Nakshatra::Pushya, Nakshatra::UttaraPhalguni, Nakshatra::Hasta, Nakshatra::Swati,
                 Nakshatra::Anuradha, Nakshatra::UttaraAshadha, Nakshatra::Shravana,
                 Nakshatra::Dhanistha, Nakshatra::Shatabhisha, Nakshatra::UttaraBhadrapada}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 9, 14}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Saturday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
}

}  // namespace

// The weekday is judged first, into slot 3; the nakshatra (slot 2) is judged
// only on a favourable weekday. On any other weekday slot 2 stays empty, adds
// nothing to the count and leaves the nakshatra section out of the report.
void EvaluateMedicalTreatment(CalculationState& s) {
  RuleSetRun run(s, {4, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  const bool favourableWeekday =
      WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday});
  run.Record(3, FirstHolding({{favourableWeekday,
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  if (favourableWeekday) {
    // Two star lists with the same outcome, tried in turn.
    run.Record(
        2, FirstHolding(
               {{MoonNakshatraIn(s, {Nakshatra::Ashwini, Nakshatra::Hasta, Nakshatra::Chitra,
                                     Nakshatra::Punarvasu}),
                 {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}},
                {MoonNakshatraIn(s, {Nakshatra::Rohini, Nakshatra::Mrigasira, Nakshatra::Pushya,
                                     Nakshatra::UttaraPhalguni, Nakshatra::UttaraAshadha,
                                     Nakshatra::UttaraBhadrapada, Nakshatra::Swati,
                                     Nakshatra::Anuradha, Nakshatra::Shravana, Nakshatra::Dhanistha,
                                     Nakshatra::Shatabhisha, Nakshatra::Revati}),
                 {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
               {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  }
  run.Finish();
}

void EvaluateOperation(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, BirthStarNakshatraFactor(s, {Nakshatra::Ardra, Nakshatra::Jyeshtha,
                                             Nakshatra::Ashlesha, Nakshatra::Moola}));
  // Surgery wants the waning Moon: any bright-fortnight tithi is unfavourable,
  // the dark fortnight's Rikta tithis favourable, its new-moon day unfavourable
  // again (with the verdict spelt "Uafvourable").
  run.Record(3, FirstHolding({{PakshaIs(s, Paksha::Shukla),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}},
                              {TithiNumberIn(s, {19, 24, 29}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                              {TithiNumberIn(s, {30}),
                               {Factor::Tithi, Word::Uafvourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

void EvaluateBuyingLand(CalculationState& s) {
  RuleSetRun run(s, {7, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  RecordLandFactors(run, s);
  CheckDvipushkarYoga(s);
  run.Record(
      5, FirstHolding({{s.Yogas.IsDvipushkarYoga,
                        {Factor::DvipushkarYoga, Word::Favourable, 1, kCounts, DvipushkarFlag, 2}}},
                      {Factor::DvipushkarYoga, Word::Neutral, 0, kCounts, DvipushkarFlag, 2}));
  run.Record(6, TripushkarFactor(s));
  run.Finish();
}

// Selling land weighs no yogas.
void EvaluateSellingLand(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  RecordLandFactors(run, s);
  run.Finish();
}

void EvaluateBuyingItem(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, BirthStarNakshatraFactor(
                    s, {Nakshatra::Ashwini, Nakshatra::Chitra, Nakshatra::Swati,
                        Nakshatra::Shravana, Nakshatra::Shatabhisha, Nakshatra::Revati}));
  run.Record(3, AmavashyaTithiFactor(s));
  run.Record(4, TripushkarFactor(s));
  run.Finish();
}

void EvaluateSellingItem(CalculationState& s) {
  RuleSetRun run(s, {6, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2,
             FirstHolding(
                 {{MoonNakshatraIn(s, {Nakshatra::Bharani, Nakshatra::Krittika, Nakshatra::Ashlesha,
                                       Nakshatra::PoorvaPhalguni, Nakshatra::Vishakha,
                                       Nakshatra::PurvaAshadha, Nakshatra::PoorvaBhadrapada}),
                   {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                 {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, AmavashyaTithiFactor(s));
  run.Record(4, FirstHolding({{LagnaIn(s, {Rashi::Kumbha}),
                               {Factor::Lagna, Word::Unfavourable, -1, kKeeps, LagnaFlag, 1}}},
                             {Factor::Lagna, Word::Neutral, 0, kCounts, LagnaFlag, 2}));
  // Both lagna factors write LagnaFlag and this one comes last, so the report
  // always shows the favourable lagna text, even after Factor::Lagna, Word::Unfavourable.
  // The birth Moon sign and the lagna come from differently spelt tables
  // ("Vrishcika"/"Vrischika", "Dhanush"/"Dhanus"); the sign itself is compared.
  run.Record(5, FirstHolding({{LagnaIn(s, {s.BirthChart.moonSign, s.BirthChart.lagna}),
                               {Factor::SaleLagna, Word::Favourable, 1, kCounts, LagnaFlag, 2}}},
                             {Factor::SaleLagna, Word::Neutral, 0, kCounts, LagnaFlag, 2}));
  run.Finish();
}

}  // namespace horavela
