// Rule sets for the rites of childhood: naming, tonsuring, ear piercing,
// thread ceremony, first feeding, start of education and adoption.
//
// Four of them open with a short path measured against the child's birth
// date (or, for education, the Moon's star): when it holds the election is
// taken as fit without weighing the single factors.

#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

// Weekdays of Moon, Mercury, Jupiter and Venus favour the rites of childhood;
// every other day is neutral and counts all the same.
Outcome GentleWeekdayFactor(const CalculationState& s) {
  return FirstHolding({{WeekdayIn(s, {"Monday", "Wednesday", "Thursday", "Friday"}),
                        {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                      {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2});
}

// Naming: ten to twelve days after the birth day of month, or sixteen. The
// three thresholds read as a range plus one day; joined by a plain "or" they
// would hold for every day and leave the factors unreachable.
bool NamingDayHolds(const CalculationState& s) {
  const int d = DayDifference(s);
  return (d >= 10 && d <= 12) || d == 16;
}

// Ear piercing: the tenth, twelfth or sixteenth day of month after the birth
// day, the sixth to eighth month, or an odd year of the child's life.
bool EarPiercingDateHolds(const CalculationState& s) {
  const int d = DayDifference(s);
  const int m = MonthDifference(s);
  return d == 10 || d == 12 || d == 16 || m == 6 || m == 7 || m == 8 || YearDifference(s) % 2 != 0;
}

// Thread ceremony: the fifth or eighth year, or any year past the twentieth.
bool ThreadCeremonyYearHolds(const CalculationState& s) {
  const int y = YearDifference(s);
  return y == 5 || y == 8 || y > 20;
}

}  // namespace

void EvaluateNaming(CalculationState& s) {
  RuleSetRun run(s, {7, 3});
  if (!run.Start()) return;
  if (NamingDayHolds(s)) {
    run.TakeShortPath(5);
    run.Finish();
    return;
  }
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // A neutral star still selects the adverse report text (selector 1).
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {"Anuradha", "Punarvasu", "Magha", "Rohini",
                                          "Uttara Ashadha", "Uttara Bhadrapada", "Shatabhisha",
                                          "Swati", "Dhanistha", "Shravana", "Ashwini", "Mrigasira",
                                          "Revati", "Hasta", "Pushya", "Uttara Phalguni"}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 1}));
  // The Rikta tithis by name (both fortnights), and Ashtami of the dark half.
  run.Record(3, FirstHolding({{TithiIn(s, {"Chaturthi", "Navami", "Chaturdashi"}),
                               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}},
                              {TithiIn(s, {"Ashtami"}) && PakshaIs(s, "Krishna Paksha"),
                               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, GentleWeekdayFactor(s));
  run.Record(5, StandardYogaFactor(s));
  run.Record(6, StandardKaranaFactor(s));
  run.Finish();
}

void EvaluateTonsuring(CalculationState& s) {
  RuleSetRun run(s, {7, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2,
             FirstHolding({{MoonNakshatraIn(s, {"Punarvasu", "Swati", "Shravana", "Dhanistha",
                                                "Shatabhisha", "Ashwini", "Pushya", "Hasta",
                                                "Mrigasira", "Revati", "Chitra", "Jyeshtha"}),
                            {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                          {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiIn(s, {"Dwitiya", "Tritiya", "Panchami", "Saptami", "Dashami",
                                           "Ekadashi", "Triyodashi"}),
                               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, GentleWeekdayFactor(s));
  run.Record(5, StandardYogaFactor(s));
  run.Record(6, StandardKaranaFactor(s));
  run.Finish();
}

void EvaluateEarPiercing(CalculationState& s) {
  RuleSetRun run(s, {8, 3});
  if (!run.Start()) return;
  if (EarPiercingDateHolds(s)) {
    run.TakeShortPath(6);
    run.Finish();
    return;
  }
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {"Mrigasira", "Chitra", "Anuradha", "Revati", "Ashwini",
                                          "Pushya", "Hasta", "Shravana", "Dhanistha", "Punarvasu"}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // Here the Rikta tithis and the new Moon are only neutral, and every other
  // tithi but the dark Ashtami is favourable.
  run.Record(3, FirstHolding({{TithiIn(s, {"Chaturthi", "Navami", "Chaturdashi", "Amavashya"}),
                               {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}},
                              {TithiIn(s, {"Ashtami"}) && PakshaIs(s, "Krishna Paksha"),
                               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}));
  run.Record(4, GentleWeekdayFactor(s));
  run.Record(5, StandardYogaFactor(s));
  run.Record(6, FirstHolding({{MoonSignIn(s, {"Kumbha", "Simha", "Vrischika"}),
                               {Factor::Rashi, Word::Unfavourable, -1, kKeeps, RashiFlag, 1}}},
                             {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2}));
  run.Record(7, StandardKaranaFactor(s));
  run.Finish();
}

void EvaluateThreadCeremony(CalculationState& s) {
  RuleSetRun run(s, {6, 2});
  if (!run.Start()) return;
  if (ThreadCeremonyYearHolds(s)) {
    run.TakeShortPath(4);
    run.Finish();
    return;
  }
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {"Anuradha", "Hasta", "Chitra", "Swati", "Shravana",
                                          "Dhanistha", "Shatabhisha", "Uttara Phalguni",
                                          "Uttara Ashadha", "Uttara Bhadrapada", "Revati", "Rohini",
                                          "Mrigasira", "Ashwini", "Punarvasu", "Pushya"}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number: the unfavourable numbers all lie in the bright half, so the
  // dark half's namesakes (19, 23, 24, ...) fall through to neutral.
  run.Record(3,
             FirstHolding({{PakshaIs(s, "Shukla Paksha") && TithiNumberIn(s, {2, 3, 5, 7, 10, 13}),
                            {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                           {PakshaIs(s, "Krishna Paksha") && TithiNumberIn(s, {16, 17, 18}),
                            {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                           {TithiNumberIn(s, {4, 8, 9, 11, 12, 14}),
                            {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                          {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4,
             FirstHolding({{WeekdayIn(s, {"Monday", "Wednesday", "Thursday", "Friday"}),
                            {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}},
                           {WeekdayIn(s, {"Tuesday"}),
                            {Factor::DayOfWeek, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                          {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(5, FirstHolding({{MoonSignIn(s, {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Kanya",
                                              "Thula", "Kumbha"}),
                               {Factor::Rashi, Word::Favourable, 1, kCounts, RashiFlag, 2}}},
                             {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2}));
  run.Finish();
}

void EvaluateFirstFeeding(CalculationState& s) {
  RuleSetRun run(s, {9, 4});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding({{MoonNakshatraIn(s, {"Ashwini", "Mrigasira", "Punarvasu", "Dhanistha",
                                            "Pushya", "Hasta", "Swati", "Anuradha", "Shravana",
                                            "Shatabhisha", "Uttara Phalguni", "Chitra"}),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}},
                       {MoonNakshatraIn(s, {"Ardra", "Krittika", "Jyeshtha", "Bharani", "Ashlesha",
                                            "Purva Ashadha", "Poorva Bhadrapada"}),
                        {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiIn(s, {"Dwitiya", "Tritiya", "Panchami", "Saptami", "Dashami",
                                           "Triyodashi", "Purnima"}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, GentleWeekdayFactor(s));
  // Solid food is first given in an odd month of the child's life for a boy,
  // an even one otherwise; plain difference of the months, so 12 never occurs.
  // This factor writes no report selector: the report has no month section.
  const int m = MonthDifference(s);
  const bool month = s.Input.sex == "Male" ? (m == 7 || m == 9 || m == 11)
                                           : (m == 6 || m == 8 || m == 10 || m == 12);
  run.Record(5, FirstHolding({{month, {Factor::Month, Word::Favourable, 1, kCounts, MonthFlag, 0}}},
                             {Factor::Month, Word::Neutral, 0, kCounts, MonthFlag, 0}));
  // The nine yogas of the standard factor, but spelt "Unfavourable" here.
  run.Record(6, FirstHolding({{YogaIn(s, {"Vishkambha", "Atiganda", "Soola", "Ganda", "Vyaghata",
                                          "Vajra", "Vyatipata", "Parigha", "Veidhriti"}),
                               {Factor::Yoga, Word::Unfavourable, -1, kKeeps, YogaFlag, 1}}},
                             {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2}));
  run.Record(7, StandardKaranaFactor(s));
  run.Record(8, FirstHolding({{MoonSignIn(s, {"Mesha", "Vrischika", "Meena"}),
                               {Factor::Rashi, Word::Unfavourable, -1, kKeeps, RashiFlag, 1}}},
                             {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2}));
  run.Finish();
}

void EvaluateEducation(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  // Ashwini, the first star, opens learning whatever the other factors say.
  if (MoonNakshatraIn(s, {"Ashwini"})) {
    run.TakeShortPath(3);
    run.Finish();
    return;
  }
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, FirstHolding(
                    {{MoonNakshatraIn(s, {"Mrigasira", "Ardra", "Punarvasu", "Pushya", "Hasta",
                                          "Chitra", "Swati", "Shravana", "Dhanistha", "Shatabhisha",
                                          "Rohini", "Uttara Phalguni", "Vishakha", "Revati"}),
                      {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                    {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 8, 9, 14, 15, 30}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  const bool learningStar =
      MoonNakshatraIn(s, {"Punarvasu", "Ardra", "Hasta", "Chitra", "Shravana", "Revati"});
  const bool gentleDay = WeekdayIn(s, {"Monday", "Wednesday", "Thursday", "Friday"});
  // Sunday is in no list: the slot stays empty, scores 0, does not count and
  // leaves the weekday section out of the report.
  run.Record(
      4, FirstHolding({{WeekdayIn(s, {"Tuesday", "Saturday"}),
                        {Factor::DayOfWeek, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}},
                       {gentleDay && learningStar,
                        {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}},
                       {gentleDay, {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2}}},
                      {Factor::Weekday, Word::None, 0, kKeeps, WeekdayFlag, 0}));
  run.Finish();
}

void EvaluateAdoption(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  // The one neutral outcome of these rites that does not count.
  run.Record(
      2, FirstHolding({{MoonNakshatraIn(s, {"Hasta", "Swati", "Anuradha", "Shravana", "Dhanistha",
                                            "Ashwini", "Pushya", "Chitra", "Vishakha"}),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kKeeps, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {1, 2, 3, 5, 7, 10, 11, 13}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {"Sunday", "Tuesday", "Thursday", "Friday"}),
                               {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

}  // namespace horavela
