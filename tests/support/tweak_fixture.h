#pragma once

// Rule-set cases written as a base chart plus a few changed elements: every
// outcome of every factor, the result word, the result label and the year
// precondition.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "engine/calculation_state.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/chart_values.h"
#include "support/recording_sink.h"
#include "support/rule_run.h"
#include "support/verdict_texts.h"

namespace horavela::testing {

// Tithi names as the rule lists write them, by tithi number 1..30.
inline constexpr const char* kTithiNamesByNumber[31] = {
    "",         "Pratipada",  "Dwitiya",     "Tritiya",  "Chaturthi",  "Panchami",
    "Shasthi",  "Saptami",    "Ashtami",     "Navami",   "Dashami",    "Ekadashi",
    "Dwadashi", "Triyodashi", "Chaturdashi", "Purnima",  "Pratipada",  "Dwitiya",
    "Tritiya",  "Chaturthi",  "Panchami",    "Shasthi",  "Saptami",    "Ashtami",
    "Navami",   "Dashami",    "Ekadashi",    "Dwadashi", "Triyodashi", "Chaturdashi",
    "Amavashya"};

// Changes to a chart; a null text or a zero number leaves the element as it is.
struct Tweak {
  const char* tara = nullptr;
  const char* chandra = nullptr;
  const char* nakshatra = nullptr;
  const char* birthNakshatra = nullptr;
  int tithi = 0;                     // number 1..30: number, rule name and fortnight
  const char* weekday = nullptr;     // the weekday box and chart slot 8 alike
  const char* boxWeekday = nullptr;  // the box alone (a weekday picked by hand)
  int month = 0;                     // election date, for the Hindu month
  int day = 0;
  const char* moonSign = nullptr;
  const char* lagna = nullptr;  // election lagna, chart slot 4
  const char* birthMoonSign = nullptr;
  const char* birthLagna = nullptr;
};

inline void Apply(const Tweak& t, CalculationState& s) {
  if (t.tara) s.TaraBalaVerdict = ::horavela::testing::StrengthWord(t.tara);
  if (t.chandra) s.ChandraBalaVerdict = ::horavela::testing::StrengthWord(t.chandra);
  if (t.nakshatra) s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed(t.nakshatra);
  if (t.birthNakshatra)
    s.BirthChart.nakshatra = ::horavela::testing::NakshatraNamed(t.birthNakshatra);
  if (t.tithi != 0) {
    s.Panchang.TithiNumber = static_cast<std::int16_t>(t.tithi);
    s.Panchang.TithiName = ::horavela::testing::TithiNamed(kTithiNamesByNumber[t.tithi]);
    s.Panchang.Fortnight =
        ::horavela::testing::PakshaNamed(t.tithi <= 15 ? "Shukla Paksha" : "Krishna Paksha");
  }
  if (t.weekday) {
    s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone(t.weekday);
    s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone(t.weekday);
  }
  if (t.boxWeekday) s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone(t.boxWeekday);
  if (t.month != 0) {
    s.Moment.month = static_cast<std::int16_t>(t.month);
    s.Moment.day = static_cast<std::int16_t>(t.day);
    s.Input.election.month = s.Moment.month;
    s.Input.election.day = s.Moment.day;
  }
  if (t.moonSign) s.ElectionChart.moonSign = ::horavela::testing::RashiNamed(t.moonSign);
  if (t.lagna) s.ElectionChart.lagna = ::horavela::testing::RashiNamed(t.lagna);
  if (t.birthMoonSign) s.BirthChart.moonSign = ::horavela::testing::RashiNamed(t.birthMoonSign);
  if (t.birthLagna) s.BirthChart.lagna = ::horavela::testing::RashiNamed(t.birthLagna);
}

// The start chart with the rule set's base and then the case's change.
inline CalculationState StateWith(StartState start, const Tweak& base, const Tweak& change) {
  CalculationState s = start();
  Apply(base, s);
  Apply(change, s);
  return s;
}

// The rule set run on that chart; the report itself is not looked at.
inline CalculationState RunOn(StartState start, RuleSet evaluate, const Tweak& base,
                              const Tweak& change) {
  CalculationState s = StateWith(start, base, change);
  evaluate(s);
  return s;
}

// One outcome of one factor, with the FactorCount of the whole run.
struct TweakCase {
  const char* name;
  Tweak change;
  int index;
  const char* verdict;
  int points;
  ReportSlot slot;
  int selector;
  int factorCount;
};

// `n` factors fill slots 0..n-1; slot n stays empty.
inline void CheckFactors(StartState start, RuleSet evaluate, int n, const Tweak& base,
                         std::initializer_list<TweakCase> cases) {
  for (const TweakCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CalculationState s = RunOn(start, evaluate, base, c.change);
    ASSERT_EQ(s.Result.FactorVerdicts.size(), static_cast<std::size_t>(n + 1));
    EXPECT_EQ(TextOf(s.Result.FactorVerdicts[n]), "");
    EXPECT_EQ(TextOf(s.Result.FactorVerdicts[c.index]), c.verdict);
    EXPECT_EQ(s.Result.FactorPoints[c.index], c.points);
    EXPECT_EQ(s.Result.ReportFlags[c.slot], c.selector);
    EXPECT_EQ(s.Result.FactorCount, c.factorCount);
  }
}

// FactorCount against AverageCount: below gives "Bad", equal "Average",
// above "Good".
struct WordCase {
  const char* name;
  RuleSet evaluate;
  Tweak base;
  Tweak change;
  int factorCount;
  const char* word;
  int resultFlag;
};

inline void CheckResultWords(StartState start, std::span<const WordCase> cases) {
  for (const WordCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CalculationState s = RunOn(start, c.evaluate, c.base, c.change);
    EXPECT_EQ(s.Result.FactorCount, c.factorCount);
    EXPECT_EQ(NameOf(s.Result.ResultWord), c.word);
    EXPECT_EQ(s.Result.ReportFlags[ResultFlag], c.resultFlag);
  }
}

struct LabelCase {
  const char* name;
  RuleSet evaluate;
  Tweak base;
  Tweak change;
  const char* label;
  int totalScore;
};

inline void CheckResultLabels(StartState start, std::span<const LabelCase> cases) {
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CalculationState s = RunOn(start, c.evaluate, c.base, c.change);
    EXPECT_EQ(ResultLabelOf(s.Result), c.label);
    EXPECT_EQ(s.Result.TotalScore, c.totalScore);
  }
}

// An election year before the birth year: after a passing evaluation, each
// rule set prints the message and clears its results, keeping the verdicts.
inline void CheckYearPrecondition(StartState start, std::span<const RuleSet> ruleSets,
                                  const Tweak& base) {
  for (RuleSet evaluate : ruleSets) {
    CalculationState s = StateWith(start, base, {.tara = "Favourable"});
    RecordingSink sink;
    evaluate(s);  // a passing evaluation first
    WriteReport(s, sink);
    const auto previousVerdicts = s.Result.FactorVerdicts;
    ASSERT_FALSE(previousVerdicts.empty());

    s.Input.election.year = 1979;
    evaluate(s);
    WriteReport(s, sink);
    EXPECT_EQ(sink.text, kYearPreconditionMessage);
    EXPECT_EQ(NameOf(s.Result.ResultWord), "");
    EXPECT_EQ(s.Result.FactorCount, 0);
    for (int flag : s.Result.ReportFlags) EXPECT_EQ(flag, 0);
    EXPECT_EQ(s.Result.FactorVerdicts, previousVerdicts);
  }
}

}  // namespace horavela::testing
