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
  return FirstHolding(
      {{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}),
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
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Anuradha, Nakshatra::Punarvasu, Nakshatra::Magha,
                                   Nakshatra::Rohini, Nakshatra::UttaraAshadha,
                                   Nakshatra::UttaraBhadrapada, Nakshatra::Shatabhisha,
                                   Nakshatra::Swati, Nakshatra::Dhanistha, Nakshatra::Shravana,
                                   Nakshatra::Ashwini, Nakshatra::Mrigasira, Nakshatra::Revati,
                                   Nakshatra::Hasta, Nakshatra::Pushya, Nakshatra::UttaraPhalguni}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 1}));
  // The Rikta tithis by name (both fortnights), and Ashtami of the dark half.
  run.Record(3, FirstHolding({{TithiIn(s, {Tithi::Chaturthi, Tithi::Navami, Tithi::Chaturdashi}),
                               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}},
                              {TithiIn(s, {Tithi::Ashtami}) && PakshaIs(s, Paksha::Krishna),
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
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Punarvasu, Nakshatra::Swati, Nakshatra::Shravana,
                                   Nakshatra::Dhanistha, Nakshatra::Shatabhisha, Nakshatra::Ashwini,
                                   Nakshatra::Pushya, Nakshatra::Hasta, Nakshatra::Mrigasira,
                                   Nakshatra::Revati, Nakshatra::Chitra, Nakshatra::Jyeshtha}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(
      3, FirstHolding({{TithiIn(s, {Tithi::Dwitiya, Tithi::Tritiya, Tithi::Panchami, Tithi::Saptami,
                                    Tithi::Dashami, Tithi::Ekadashi, Tithi::Triyodashi}),
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
  run.Record(
      2,
      FirstHolding({{MoonNakshatraIn(s, {Nakshatra::Mrigasira, Nakshatra::Chitra,
                                         Nakshatra::Anuradha, Nakshatra::Revati, Nakshatra::Ashwini,
                                         Nakshatra::Pushya, Nakshatra::Hasta, Nakshatra::Shravana,
                                         Nakshatra::Dhanistha, Nakshatra::Punarvasu}),
                     {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                   {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // Here the Rikta tithis and the new Moon are only neutral, and every other
  // tithi but the dark Ashtami is favourable.
  run.Record(
      3, FirstHolding(
             {{TithiIn(s, {Tithi::Chaturthi, Tithi::Navami, Tithi::Chaturdashi, Tithi::Amavasya}),
               {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}},
              {TithiIn(s, {Tithi::Ashtami}) && PakshaIs(s, Paksha::Krishna),
               {Factor::Tithi, Word::Unavourable, -1, kKeeps, TithiFlag, 1}}},
             {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}));
  run.Record(4, GentleWeekdayFactor(s));
  run.Record(5, StandardYogaFactor(s));
  run.Record(6, FirstHolding({{MoonSignIn(s, {Rashi::Kumbha, Rashi::Simha, Rashi::Vrischika}),
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
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Anuradha, Nakshatra::Hasta, Nakshatra::Chitra,
                                   Nakshatra::Swati, Nakshatra::Shravana, Nakshatra::Dhanistha,
                                   Nakshatra::Shatabhisha, Nakshatra::UttaraPhalguni,
                                   Nakshatra::UttaraAshadha, Nakshatra::UttaraBhadrapada,
                                   Nakshatra::Revati, Nakshatra::Rohini, Nakshatra::Mrigasira,
                                   Nakshatra::Ashwini, Nakshatra::Punarvasu, Nakshatra::Pushya}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  // By number: the unfavourable numbers all lie in the bright half, so the
  // dark half's namesakes (19, 23, 24, ...) fall through to neutral.
  run.Record(3,
             FirstHolding({{PakshaIs(s, Paksha::Shukla) && TithiNumberIn(s, {2, 3, 5, 7, 10, 13}),
                            {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                           {PakshaIs(s, Paksha::Krishna) && TithiNumberIn(s, {16, 17, 18}),
                            {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                           {TithiNumberIn(s, {4, 8, 9, 11, 12, 14}),
                            {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                          {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(
      4,
      FirstHolding(
          {{WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}),
            {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}},
           {WeekdayIn(s, {Weekday::Tuesday}),
            {Factor::DayOfWeek, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
          {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(
      5, FirstHolding({{MoonSignIn(s, {Rashi::Mesha, Rashi::Vrishabha, Rashi::Mithuna,
                                       Rashi::Kataka, Rashi::Kanya, Rashi::Thula, Rashi::Kumbha}),
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
      2,
      FirstHolding({{MoonNakshatraIn(
                         s, {Nakshatra::Ashwini, Nakshatra::Mrigasira, Nakshatra::Punarvasu,
                             Nakshatra::Dhanistha, Nakshatra::Pushya, Nakshatra::Hasta,
                             Nakshatra::Swati, Nakshatra::Anuradha, Nakshatra::Shravana,
                             Nakshatra::Shatabhisha, Nakshatra::UttaraPhalguni, Nakshatra::Chitra}),
                     {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}},
                    {MoonNakshatraIn(s, {Nakshatra::Ardra, Nakshatra::Krittika, Nakshatra::Jyeshtha,
                                         Nakshatra::Bharani, Nakshatra::Ashlesha,
                                         Nakshatra::PurvaAshadha, Nakshatra::PoorvaBhadrapada}),
                     {Factor::Nakshatra, Word::Unfavourable, -1, kKeeps, NakshatraFlag, 1}}},
                   {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(
      3, FirstHolding({{TithiIn(s, {Tithi::Dwitiya, Tithi::Tritiya, Tithi::Panchami, Tithi::Saptami,
                                    Tithi::Dashami, Tithi::Triyodashi, Tithi::Purnima}),
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
  run.Record(6, FirstHolding({{YogaIn(s, {Yoga::Vishkambha, Yoga::Atiganda, Yoga::Soola,
                                          Yoga::Ganda, Yoga::Vyaghata, Yoga::Vajra, Yoga::Vyatipata,
                                          Yoga::Parigha, Yoga::Vaidhriti}),
                               {Factor::Yoga, Word::Unfavourable, -1, kKeeps, YogaFlag, 1}}},
                             {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2}));
  run.Record(7, StandardKaranaFactor(s));
  run.Record(8, FirstHolding({{MoonSignIn(s, {Rashi::Mesha, Rashi::Vrischika, Rashi::Meena}),
                               {Factor::Rashi, Word::Unfavourable, -1, kKeeps, RashiFlag, 1}}},
                             {Factor::Rashi, Word::Neutral, 0, kCounts, RashiFlag, 2}));
  run.Finish();
}

void EvaluateEducation(CalculationState& s) {
  RuleSetRun run(s, {5, 2});
  if (!run.Start()) return;
  // Ashwini, the first star, opens learning whatever the other factors say.
  if (MoonNakshatraIn(s, {Nakshatra::Ashwini})) {
    run.TakeShortPath(3);
    run.Finish();
    return;
  }
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2,
      FirstHolding(
          {{MoonNakshatraIn(
                s, {Nakshatra::Mrigasira, Nakshatra::Ardra, Nakshatra::Punarvasu, Nakshatra::Pushya,
                    Nakshatra::Hasta, Nakshatra::Chitra, Nakshatra::Swati, Nakshatra::Shravana,
                    Nakshatra::Dhanistha, Nakshatra::Shatabhisha, Nakshatra::Rohini,
                    Nakshatra::UttaraPhalguni, Nakshatra::Vishakha, Nakshatra::Revati}),
            {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
          {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {4, 8, 9, 14, 15, 30}),
                               {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  const bool learningStar =
      MoonNakshatraIn(s, {Nakshatra::Punarvasu, Nakshatra::Ardra, Nakshatra::Hasta,
                          Nakshatra::Chitra, Nakshatra::Shravana, Nakshatra::Revati});
  const bool gentleDay =
      WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday, Weekday::Friday});
  // Sunday is in no list: the slot stays empty, scores 0, does not count and
  // leaves the weekday section out of the report.
  run.Record(
      4, FirstHolding({{WeekdayIn(s, {Weekday::Tuesday, Weekday::Saturday}),
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
      2, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Hasta, Nakshatra::Swati, Nakshatra::Anuradha,
                                   Nakshatra::Shravana, Nakshatra::Dhanistha, Nakshatra::Ashwini,
                                   Nakshatra::Pushya, Nakshatra::Chitra, Nakshatra::Vishakha}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kKeeps, NakshatraFlag, 2}));
  run.Record(3, FirstHolding({{TithiNumberIn(s, {1, 2, 3, 5, 7, 10, 11, 13}),
                               {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}}},
                             {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2}));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Sunday, Weekday::Tuesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::DayOfWeek, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::DayOfWeek, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Finish();
}

}  // namespace horavela
