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
                             std::initializer_list<std::string_view> unfavourable) {
  const bool birthStar = s.ElectionChart[kNakshatraSlot] == s.BirthChart[kNakshatraSlot];
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
Outcome AvoidedWeekdayFactor(const CalculationState& s,
                             std::initializer_list<std::string_view> avoided) {
  return FirstHolding(
      {{WeekdayIn(s, avoided), {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
      {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2});
}

// Hindu solar month of the election date; computed right before it is read.
Outcome HinduMonthFactor(CalculationState& s, std::initializer_list<std::string_view> favourable) {
  ComputeHinduMonth(s);
  return FirstHolding({{NameIn(s.Yogas.HinduMonth, favourable),
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
             {{MoonNakshatraIn(s, {"Bharani", "Krittika", "Ardra", "Punarvasu", "Ashlesha", "Magha",
                                   "Poorva Phalguni", "Vishakha", "Moola", "Purva Ashadha",
                                   "Shravana", "Shatabhisha", "Uttara Bhadrapada"}),
               {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}},
              {MoonNakshatraIn(s, {"Rohini", "Mrigasira", "Chitra", "Hasta", "Jyeshtha",
                                   "Uttara Phalguni", "Uttara Ashadha", "Shravana"}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number: the dark fortnight's Navami (24) and Dwitiya (17) are neutral.
  run.Record(3, FirstHolding({{TithiNumberIn(s, {9}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}},
                              {TithiNumberIn(s, {2, 6, 10}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {"Monday", "Wednesday", "Thursday", "Friday"}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(5, HinduMonthFactor(s, {"Chaitra", "Vaisakha", "Shravana", "Kartika", "Magha"}));
  run.Finish();
}

void EvaluateConstruction(CalculationState& s) {
  RuleSetRun run(s, {7, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {"Uttara Phalguni", "Uttara Ashadha", "Uttara Bhadrapada",
                                          "Rohini", "Mrigasira", "Revati", "Chitra", "Anuradha",
                                          "Swati", "Shatabhisha", "Hasta", "Pushya", "Dhanistha"}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 8, 9, 14, 15}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, AvoidedWeekdayFactor(s, {"Tuesday"}));
  run.Record(5, HinduMonthFactor(s, {"Falguna", "Shravana", "Agrahayana", "Pausa", "Vaisakha"}));
  run.Record(6, FirstHolding({{MoonSignIn(s, {"Mithuna", "Kanya", "Dhanus", "Meena"}),
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
  run.Record(2, MoneyNakshatraFactor(s, {"Krittika", "Magha", "Moola", "Shatabhisha",
                                         "Uttara Phalguni", "Punarvasu"}));
  // Full or new Moon spoils lending only on a Saturday.
  run.Record(3, FirstHolding({{TithiIn(s, {"Purnima", "Amavashya"}) && WeekdayIn(s, {"Saturday"}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, AvoidedWeekdayFactor(s, {"Tuesday", "Friday"}));
  run.Finish();
}

// Borrowing has no weekday factor.
void EvaluateBorrowing(CalculationState& s) {
  RuleSetRun run(s, {4, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, MoneyNakshatraFactor(s, {"Krittika", "Moola", "Punarvasu", "Dhanistha"}));
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
             {{MoonNakshatraIn(s, {"Ashwini", "Rohini", "Mrigasira", "Pushya", "Uttara Phalguni",
                                   "Hasta", "Chitra", "Anuradha", "Dhanistha", "Revati"}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, RiktaNumberTithiFactor(s));
  run.Record(4, AvoidedWeekdayFactor(s, {"Tuesday", "Saturday"}));
  run.Finish();
}

}  // namespace horavela
