// Rule sets for entering a new or a rented house, starting a new job and
// starting a new business.

#include "panchang/special_yogas.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/journey_factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

bool TithiGroupIs(const CalculationState& s, TithiGroup group) {
  return s.Panchang.Group == group;
}

// Siddha, Sarvartha Siddha and Amrita Siddhi into three consecutive slots; an
// absent yoga is neutral and still counts.
void RecordAuspiciousYogas(RuleSetRun& run, CalculationState& s, int first) {
  run.Record(first, SiddhaYogaFactor(s, kCounts));
  run.Record(first + 1, SarvarthaSiddhaYogaFactor(s, kCounts));
  run.Record(first + 2, AmritaSiddhiYogaFactor(s, kCounts));
}

}  // namespace

void EvaluateNewHouse(CalculationState& s) {
  RuleSetRun run(s, {9, 4, LabelStyle::YogaWarning});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // Ashwini is tried on its own first, with a harsher word than the bad list.
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Ashwini}),
               {Factor::VeryBadNakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}},
              {MoonNakshatraIn(s, {Nakshatra::Mrigasira, Nakshatra::Revati, Nakshatra::Chitra,
                                   Nakshatra::Anuradha, Nakshatra::Swati, Nakshatra::Shatabhisha,
                                   Nakshatra::Hasta, Nakshatra::Pushya, Nakshatra::Dhanistha,
                                   Nakshatra::UttaraPhalguni, Nakshatra::UttaraAshadha,
                                   Nakshatra::UttaraBhadrapada, Nakshatra::Rohini}),
               {Factor::GoodNakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}},
              {MoonNakshatraIn(
                   s, {Nakshatra::Bharani, Nakshatra::Krittika, Nakshatra::Ardra,
                       Nakshatra::Ashlesha, Nakshatra::PoorvaPhalguni, Nakshatra::Vishakha,
                       Nakshatra::Jyeshtha, Nakshatra::PurvaAshadha, Nakshatra::PoorvaBhadrapada}),
               {Factor::BadNakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // The Rikta tithis of both fortnights and the new Moon are avoided; the
  // favourable numbers hold in the bright fortnight only, plus the dark
  // fortnight's Pratipada (16).
  run.Record(3, FirstHolding(
                    {{TithiGroupIs(s, TithiGroup::Rikta) || TithiNumberIn(s, {4, 9, 14}) ||
                          TithiIn(s, {Tithi::Amavasya}),
                      {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}},
                     {PakshaIs(s, Paksha::Shukla) && TithiNumberIn(s, {2, 3, 5, 7, 10, 11, 13, 15}),
                      {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                     {PakshaIs(s, Paksha::Krishna) && TithiNumberIn(s, {16}),
                      {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                    {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(
      4,
      FirstHolding(
          {{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}),
            {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}},
           {WeekdayIn(s, {Weekday::Tuesday}),
            {Factor::VeryBadWeekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
          {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  ComputeHinduMonth(s);
  run.Record(
      5, FirstHolding({{OneOf(s.Yogas.HinduMonth,
                              {SolarMonth::Vaisakha, SolarMonth::Pausa, SolarMonth::Falguna,
                               SolarMonth::Shravana, SolarMonth::Agrahayana, SolarMonth::Jyaistha,
                               SolarMonth::Kartika, SolarMonth::Magha}),
                        {Factor::HinduMonth, Word::Favourable, 1, kCounts, MonthFlag, 2}}},
                      {Factor::HinduMonth, Word::Neutral, 0, kCounts, MonthFlag, 2}));
  RecordAuspiciousYogas(run, s, 6);
  run.Finish();
}

// The rented house opens with its own tarabala and chandrabala rows: neither
// can be unfavourable, an unfavourable strength is neutral and counts, and the
// report always shows the favourable texts. Only the tithi can count against.
void EvaluateRentedHouse(CalculationState& s) {
  RuleSetRun run(s, {4, 2});
  if (!run.Start()) return;
  run.Allocate();
  // "Favourable" scores 2; "Very Favourable" is not in the row and falls to neutral.
  run.Record(0, FirstHolding({{s.TaraBalaVerdict == Word::Favourable,
                               {Factor::TaraStrength, Word::Favourable, 2, kCounts, TaraFlag, 2}}},
                             {Factor::TaraStrength, Word::Neutral, 0, kCounts, TaraFlag, 2}));
  run.Record(1,
             FirstHolding({{s.ChandraBalaVerdict == Word::Favourable,
                            {Factor::MoonStrength, Word::Favourable, 1, kCounts, ChandraFlag, 2}}},
                          {Factor::MoonStrength, Word::Neutral, 0, kCounts, ChandraFlag, 2}));
  run.Record(2, FirstHolding({{TithiGroupIs(s, TithiGroup::Rikta),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(3, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

void EvaluateNewJob(CalculationState& s) {
  RuleSetRun run(s, {8, 4, LabelStyle::YogaWarning});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding({{MoonNakshatraIn(s, {Nakshatra::Hasta, Nakshatra::Ashwini, Nakshatra::Pushya,
                                            Nakshatra::Mrigasira, Nakshatra::Chitra,
                                            Nakshatra::Revati, Nakshatra::Anuradha,
                                            Nakshatra::UttaraPhalguni, Nakshatra::UttaraAshadha,
                                            Nakshatra::UttaraBhadrapada, Nakshatra::Rohini}),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number: the dark fortnight's namesakes (17, 18, ...) are neutral.
  run.Record(3, FirstHolding({{TithiNumberIn(s, {2, 3, 5, 7, 10, 11, 13, 15}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday, Weekday::Sunday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  RecordAuspiciousYogas(run, s, 5);
  run.Finish();
}

void EvaluateNewBusiness(CalculationState& s) {
  RuleSetRun run(s, {10, 4, LabelStyle::YogaWarning});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {Nakshatra::Mrigasira, Nakshatra::Chitra,
                                          Nakshatra::Anuradha, Nakshatra::Revati,
                                          Nakshatra::Ashwini, Nakshatra::Pushya, Nakshatra::Hasta}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // These are the tithis other undertakings favour, yet a new business counts
  // them against itself: a deliberate rule of this table, not a slip. By
  // name, so both fortnights are meant.
  run.Record(3,
             FirstHolding(
                 {{TithiIn(s, {Tithi::Dwitiya, Tithi::Purnima, Tithi::Tritiya, Tithi::Panchami,
                               Tithi::Saptami, Tithi::Dashami, Tithi::Ekadashi, Tithi::Triyodashi}),
                   {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                 {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  RecordAuspiciousYogas(run, s, 5);
  // The nine inauspicious yogas, spelt "Unfavourable" here (the standard yoga
  // factor writes "Unavourable").
  run.Record(8, FirstHolding({{YogaIn(s, {Yoga::Vishkambha, Yoga::Atiganda, Yoga::Soola,
                                          Yoga::Ganda, Yoga::Vyaghata, Yoga::Vajra, Yoga::Vyatipata,
                                          Yoga::Parigha, Yoga::Vaidhriti}),
                               {Factor::Yoga, Word::Unfavourable, -1, kKeeps, YogaFlag, 1}}},
                             {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2}));
  run.Record(9, StandardKaranaFactor(s));
  run.Finish();
}

}  // namespace horavela
