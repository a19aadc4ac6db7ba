// Rule sets for learning: a trade, any science, dance or music, astrology or
// astronomy, medicine, and grammar, logic or philosophy.
//
// They share a tithi factor on the tithi number and the Saraswati yoga, which
// is judged here (a Wednesday with the Moon in Hasta, the star of the hand)
// rather than by one of the special-yoga tests.

#include <cstddef>

#include "engine/lagna_tests.h"
#include "rules/evaluation.h"
#include "rules/factors.h"
#include "rules/rule_sets.h"

namespace horavela {

namespace {

// Learning tithis, by number in the whole month (1..30): both lists name tithis
// of the bright fortnight, so every dark tithi is neutral but the new Moon (30).
Outcome LearningTithiFactor(const CalculationState& s) {
  return FirstHolding({{TithiNumberIn(s, {2, 3, 5, 6, 10, 11, 12}),
                        {Factor::Tithi, Word::Favourable, 1, kCounts, TithiFlag, 2}},
                       {TithiNumberIn(s, {4, 8, 9, 14, 15, 30}),
                        {Factor::Tithi, Word::Unfavourable, -1, kKeeps, TithiFlag, 1}}},
                      {Factor::Tithi, Word::Neutral, 0, kCounts, TithiFlag, 2});
}

bool SaraswatiHolds(const CalculationState& s) {
  return WeekdayIn(s, {Weekday::Wednesday}) && MoonNakshatraIn(s, {Nakshatra::Hasta});
}

// Both outcomes select the report section, so every learning report explains
// the Saraswati yoga.
Outcome SaraswatiFactor(const CalculationState& s) {
  return FirstHolding({{SaraswatiHolds(s),
                        {Factor::SaraswatiYoga, Word::Favourable, 1, kCounts, SaraswatiFlag, 2}}},
                      {Factor::SaraswatiYoga, Word::Neutral, 0, kCounts, SaraswatiFlag, 2});
}

// The days of Mars and Saturn are barred for study.
Outcome TuesdaySaturdayFactor(const CalculationState& s) {
  return FirstHolding({{WeekdayIn(s, {Weekday::Tuesday, Weekday::Saturday}),
                        {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                      {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2});
}

}  // namespace

void EvaluateTrade(CalculationState& s) {
  RuleSetRun run(s, {5, 2, LabelStyle::TradePlanets});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, LearningTithiFactor(s));
  // A fit weekday is called favourable yet scores nothing for a trade.
  run.Record(3, FirstHolding({{WeekdayIn(s, {Weekday::Tuesday, Weekday::Saturday}),
                               {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                             {Factor::Weekday, Word::Favourable, 0, kCounts, WeekdayFlag, 2}));
  run.Record(4, SaraswatiFactor(s));
  // The tenth house is the house of work: its planets are listed below the result.
  ComputeMuhurthaLagna(s);
  FindPlanetsInTenth(s);
  run.Finish();
}

void EvaluateScience(CalculationState& s) {
  RuleSetRun run(s, {6, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, LearningTithiFactor(s));
  run.Record(3, TuesdaySaturdayFactor(s));
  run.Record(4, SaraswatiFactor(s));
  // The subject's own factor repeats the Saraswati test, so a Wednesday in
  // Hasta scores twice; it has no report section and writes no selector.
  run.Record(
      5, FirstHolding({{SaraswatiHolds(s),
                        {Factor::LearningOfScience, Word::Favourable, 1, kCounts, ResultFlag, 0}}},
                      {Factor::LearningOfScience, Word::Neutral, 0, kCounts, ResultFlag, 0}));
  run.Finish();
}

void EvaluateDanceMusic(CalculationState& s) {
  RuleSetRun run(s, {6, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2,
      FirstHolding(
          {{MoonNakshatraIn(s, {Nakshatra::Revati, Nakshatra::Anuradha, Nakshatra::Dhanistha,
                                Nakshatra::Shatabhisha, Nakshatra::Hasta, Nakshatra::Rohini,
                                Nakshatra::Mrigasira, Nakshatra::Pushya, Nakshatra::UttaraPhalguni,
                                Nakshatra::UttaraAshadha, Nakshatra::UttaraBhadrapada}),
            {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
          {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, LearningTithiFactor(s));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Tuesday, Weekday::Saturday}),
                               {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}},
                              {WeekdayIn(s, {Weekday::Monday, Weekday::Wednesday, Weekday::Thursday,
                                             Weekday::Friday}),
                               {Factor::Weekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
  run.Record(5, SaraswatiFactor(s));
  run.Finish();
}

void EvaluateAstrology(CalculationState& s) {
  RuleSetRun run(s, {6, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding({{MoonNakshatraIn(s, {Nakshatra::Ashwini, Nakshatra::Punarvasu,
                                            Nakshatra::Pushya, Nakshatra::Hasta, Nakshatra::Swati,
                                            Nakshatra::Moola, Nakshatra::Revati}),
                        {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
                      {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, LearningTithiFactor(s));
  run.Record(4, TuesdaySaturdayFactor(s));
  run.Record(5, SaraswatiFactor(s));
  run.Finish();
}

void EvaluateMedicineStudy(CalculationState& s) {
  // The arrays start one slot short (0..5) and grow to 0..6 before the last
  // factor, so the Saraswati factor in slot 5 still makes the result listing.
  RuleSetRun run(s, {5, 3});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(
      2, FirstHolding(
             {{MoonNakshatraIn(
                   s, {Nakshatra::Hasta, Nakshatra::Chitra, Nakshatra::Swati, Nakshatra::Anuradha,
                       Nakshatra::Punarvasu, Nakshatra::Shravana, Nakshatra::Dhanistha,
                       Nakshatra::Shatabhisha, Nakshatra::Moola, Nakshatra::Revati,
                       Nakshatra::Pushya, Nakshatra::Jyeshtha, Nakshatra::Ashlesha,
                       Nakshatra::Ardra, Nakshatra::Mrigasira, Nakshatra::Ashwini}),
               {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::Nakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(3, LearningTithiFactor(s));
  run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Saturday}),
                               {Factor::Weekday, Word::Unfavourable, -1, kKeeps, WeekdayFlag, 1}}},
                             {Factor::Weekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));

  // Revision of the star and the weekday.
  Evaluation& result = run.result();
  constexpr std::size_t kGrownSlots = 7;  // bounds 0..6
  result.FactorVerdicts.resize(kGrownSlots);
  result.FactorPoints.resize(kGrownSlots, 0);
  if (MoonNakshatraIn(s, {Nakshatra::Dhanistha})) {
    // Dhanistha, ruled by Mars, is written again and so counted twice.
    run.Record(2, {Factor::Nakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2});
  } else if (result.FactorPoints[2] == 0) {
    // Under a neutral star the days of the Sun, Moon and Mars favour the study
    // of healing. The rewrite leaves the count as factor 4 left it: a
    // Saturday stays uncounted even though it now reads neutral.
    run.Record(4, FirstHolding({{WeekdayIn(s, {Weekday::Sunday, Weekday::Tuesday, Weekday::Monday}),
                                 {Factor::Weekday, Word::Favourable, 1, kKeeps, WeekdayFlag, 2}}},
                               {Factor::Weekday, Word::Neutral, 0, kKeeps, WeekdayFlag, 2}));
  }

  run.Record(5, SaraswatiFactor(s));
  run.Finish();
}

void EvaluateGrammar(CalculationState& s) {
  RuleSetRun run(s, {9, 4});
  if (!run.Start()) return;
  run.Allocate();
  run.Record(0, TaraBalaFactor(s));
  run.Record(1, ChandraBalaFactor(s));
  run.Record(2, LearningTithiFactor(s));
  run.Record(3, TuesdaySaturdayFactor(s));
  run.Record(4, SaraswatiFactor(s));
  run.Record(
      5, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Rohini, Nakshatra::Mrigasira, Nakshatra::Punarvasu,
                                   Nakshatra::Pushya, Nakshatra::Hasta, Nakshatra::Dhanistha,
                                   Nakshatra::Revati}),
               {Factor::GrammarNakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::GrammarNakshatraUnspaced, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));
  run.Record(
      6, FirstHolding(
             {{MoonNakshatraIn(s, {Nakshatra::Shravana, Nakshatra::Shatabhisha, Nakshatra::Hasta,
                                   Nakshatra::UttaraPhalguni, Nakshatra::Moola, Nakshatra::Revati}),
               {Factor::LogicNakshatra, Word::Favourable, 1, kCounts, NakshatraFlag, 2}}},
             {Factor::LogicNakshatra, Word::Neutral, 0, kCounts, NakshatraFlag, 2}));

  // The weekdays of grammar and of logic are weighed only on a day that the
  // weekday factor let through; on a Tuesday or Saturday both slots stay empty.
  if (run.result().FactorVerdicts[3] == FactorVerdict{Factor::Weekday, Word::Neutral}) {
    run.Record(
        7, FirstHolding({{WeekdayIn(s, {Weekday::Wednesday, Weekday::Thursday, Weekday::Friday}),
                          {Factor::GrammarWeekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                        {Factor::GrammarWeekday, Word::Neutral, 0, kCounts, WeekdayFlag, 2}));
    // A neutral day for logic selects the adverse weekday text of the report.
    run.Record(
        8, FirstHolding({{WeekdayIn(s, {Weekday::Monday, Weekday::Thursday, Weekday::Wednesday}),
                          {Factor::LogicWeekday, Word::Favourable, 1, kCounts, WeekdayFlag, 2}}},
                        {Factor::LogicWeekday, Word::Neutral, 0, kCounts, WeekdayFlag, 1}));
  }
  run.Finish();
}

}  // namespace horavela
