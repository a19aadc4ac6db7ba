// Rule sets for building (foundation, construction), money (lending,
// borrowing) and legal matters.

#include "panchang/special_yogas.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

// Nakshatra factor of the money subjects: the Moon back in the person's own
// birth nakshatra spoils any dealing in money, as do the listed stars.
Outcome MoneyNakshatraFactor(const CalculationState& s,
                             std::initializer_list<Nakshatra> unfavourable) {
  const bool birthStar = s.ElectionChart.nakshatra == s.BirthChart.nakshatra;
  return FirstHolding({{birthStar || MoonNakshatraIn(s, unfavourable),
                        {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2});
}

// Chaturthi, Navami and Chaturdashi of the bright fortnight (the Rikta tithis
// by number; their dark-fortnight namesakes 19, 24 and 29 pass).
Outcome RiktaNumberTithiFactor(const CalculationState& s) {
  return FirstHolding({{TithiNumberIn(s, {4, 9, 14}),
                        {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                      {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2});
}

// Weekday factor with only an unfavourable list.
Outcome AvoidedWeekdayFactor(const CalculationState& s, std::initializer_list<Weekday> avoided) {
  return FirstHolding(
      {{WeekdayIn(s, avoided), {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
      {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2});
}

// Hindu solar month of the election date; computed right before it is read.
Outcome HinduMonthFactor(CalculationState& s, std::initializer_list<SolarMonth> favourable) {
  ComputeHinduMonth(s);
  return FirstHolding({{OneOf(s.Yogas.HinduMonth, favourable),
                        {Factor::HinduMonth, Word::Favourable, 1, kCounts, MonthFlag, 2}}},
                      {Factor::HinduMonth, Word::Neutral, 0, kCounts, MonthFlag, 2});
}

}  // namespace

void EvaluateFoundation(CalculationState& s) {
  RuleSetRun run(s, {6, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // Shravana stands in both lists; the unfavourable list is tried first and wins.
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Bharani, Nakshatra::Krittika, Nakshatra::Ardra,
                                   Nakshatra::Punarvasu, Nakshatra::Ashlesha, Nakshatra::Magha,
                                   Nakshatra::PoorvaPhalguni, Nakshatra::Vishakha, Nakshatra::Moola,
                                   Nakshatra::PurvaAshadha, Nakshatra::Shravana,
                                   Nakshatra::Shatabhisha, Nakshatra::UttaraBhadrapada}),
               {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}},
              {MoonNakshatraIn(s, {Nakshatra::Rohini, Nakshatra::Mrigasira, Nakshatra::Chitra,
                                   Nakshatra::Hasta, Nakshatra::Jyeshtha, Nakshatra::UttaraPhalguni,
                                   Nakshatra::UttaraAshadha, Nakshatra::Shravana}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number: the dark fortnight's Navami (24) and Dwitiya (17) are neutral.
  run.Record(3, FirstHolding({{TithiNumberIn(s, {9}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}},
                              {TithiNumberIn(s, {2, 6, 10}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(5,
             HinduMonthFactor(s, {SolarMonth::Chaitra, SolarMonth::Vaisakha, SolarMonth::Shravana,
                                  SolarMonth::Kartika, SolarMonth::Magha}));
  run.Finish();
}

void EvaluateConstruction(CalculationState& s) {
  RuleSetRun run(s, {7, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::UttaraPhalguni, Nakshatra::UttaraAshadha,
                                   Nakshatra::UttaraBhadrapada, Nakshatra::Rohini,
                                   Nakshatra::Mrigasira, Nakshatra::Revati, Nakshatra::Chitra,
                                   Nakshatra::Anuradha, Nakshatra::Swati, Nakshatra::Shatabhisha,
                                   Nakshatra::Hasta, Nakshatra::Pushya, Nakshatra::Dhanistha}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 8, 9, 14, 15}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, AvoidedWeekdayFactor(s, {Weekday::Tuesday}));
  run.Record(5,
             HinduMonthFactor(s, {SolarMonth::Falguna, SolarMonth::Shravana, SolarMonth::Agrahayana,
                                  SolarMonth::Pausa, SolarMonth::Vaisakha}));
  run.Record(
      6, FirstHolding({{MoonSignIn(s, {Rashi::Mithuna, Rashi::Kanya, Rashi::Dhanus, Rashi::Meena}),
                        {Factor::Rashi, Word::Favourable, 1, kCounts, RashiFlag, 2}}},
                      {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2}));
  run.Finish();
}

void EvaluateLending(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, MoneyNakshatraFactor(
                    s, {Nakshatra::Krittika, Nakshatra::Magha, Nakshatra::Moola,
                        Nakshatra::Shatabhisha, Nakshatra::UttaraPhalguni, Nakshatra::Punarvasu}));
  // Full or new Moon spoils lending only on a Saturday.
  run.Record(3, FirstHolding({{TithiIn(s, {Tithi::Purnima, Tithi::Amavasya}) &&
                                   WeekdayIn(s, {Weekday::Saturday}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, AvoidedWeekdayFactor(s, {Weekday::Tuesday, Weekday::Friday}));
  run.Finish();
}

// Borrowing has no weekday factor.
void EvaluateBorrowing(CalculationState& s) {
  RuleSetRun run(s, {4, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, MoneyNakshatraFactor(s, {Nakshatra::Krittika, Nakshatra::Moola,
                                         Nakshatra::Punarvasu, Nakshatra::Dhanistha}));
  run.Record(3, RiktaNumberTithiFactor(s));
  run.Finish();
}

void EvaluateLegal(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Ashwini, Nakshatra::Rohini, Nakshatra::Mrigasira,
                                   Nakshatra::Pushya, Nakshatra::UttaraPhalguni, Nakshatra::Hasta,
                                   Nakshatra::Chitra, Nakshatra::Anuradha, Nakshatra::Dhanistha,
                                   Nakshatra::Revati}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, RiktaNumberTithiFactor(s));
  run.Record(4, AvoidedWeekdayFactor(s, {Weekday::Tuesday, Weekday::Saturday}));
  run.Finish();
}

}  // namespace horavela
