#pragma once

// Rule-set cases written as a plain chart plus setters: sweeps of one factor
// over a whole name table, whole evaluations and result labels. The name
// tables are the program's own, so the rule lists are checked against the
// chart's spellings.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/chart_values.h"
#include "support/rule_run.h"
#include "support/verdict_texts.h"

namespace horavela::testing {

// Tithi number 1..30 with the panchang's own rule name and group.
inline void SetPanchangTithi(CalculationState& s, int number) {
  NameTithi(s.Panchang, number - 1);
}

// Both strengths unfavourable, Moon in Bharani in Mesha, Kanya rising, bright
// Pratipada, Siddhi yoga, Bava karana, Sunday in the weekday box and in the
// chart, the election half a year before the birthday in the birth year.
inline CalculationState PlainChart() {
  CalculationState s;
  s.TaraBalaVerdict = ::horavela::testing::StrengthWord("Unfavourable");
  s.ChandraBalaVerdict = ::horavela::testing::StrengthWord("Unfavourable");
  s.ElectionChart.moonSign = ::horavela::testing::RashiNamed("Mesha");
  s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed("Bharani");
  s.ElectionChart.lagna = ::horavela::testing::RashiNamed("Kanya");
  s.ElectionChart.yoga = ::horavela::testing::YogaNamed("Siddhi");
  s.ElectionChart.karana = ::horavela::testing::KaranaNamed("Bava");
  s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone("Sunday");
  s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone("Sunday");
  SetPanchangTithi(s, 1);
  s.Input.birth.year = 2000;
  s.Input.birth.month = 6;
  s.Input.birth.day = 15;
  s.Input.election.year = 2000;
  s.Input.election.month = 1;
  s.Input.election.day = 1;
  return s;
}

inline Setter WithNakshatra(std::string name) {
  return [name](CalculationState& s) {
    s.ElectionChart.nakshatra = ::horavela::testing::NakshatraNamed(name);
  };
}
// The weekday box and the chart's computed weekday together.
inline Setter WithWeekday(std::string name) {
  return [name](CalculationState& s) {
    s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone(name);
    s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone(name);
  };
}
inline Setter WithTithi(int number) {
  return [number](CalculationState& s) { SetPanchangTithi(s, number); };
}
inline Setter Tara(std::string verdict) {
  return [verdict](CalculationState& s) {
    s.TaraBalaVerdict = ::horavela::testing::StrengthWord(verdict);
  };
}
inline Setter Chandra(std::string verdict) {
  return [verdict](CalculationState& s) {
    s.ChandraBalaVerdict = ::horavela::testing::StrengthWord(verdict);
  };
}
inline Setter All(std::vector<Setter> setters) {
  return [setters](CalculationState& s) {
    for (const Setter& set : setters) set(s);
  };
}

// --- Sweeps: one factor over a whole input table ---

// One input swept over its table; `plainEntry` is the plain chart's entry.
struct Input {
  std::size_t size;
  std::size_t plainEntry;
  void (*set)(CalculationState&, std::size_t);
};
inline const Input kByNakshatra{27, 1, [](CalculationState& s, std::size_t i) {
                                  s.ElectionChart.nakshatra =
                                      FromIndex<Nakshatra>(static_cast<int>(i));
                                }};
inline const Input kByTithiNumber{30, 0, [](CalculationState& s, std::size_t i) {
                                    SetPanchangTithi(s, static_cast<int>(i) + 1);
                                  }};
inline const Input kByBoxWeekday{7, 0, [](CalculationState& s, std::size_t i) {
                                   s.Input.electionWeekday =
                                       FromIndex<Weekday>(static_cast<int>(i));
                                 }};
inline const Input kByTara{4, 0, [](CalculationState& s, std::size_t i) {
                             static const char* const verdicts[] = {"Unfavourable", "Favourable",
                                                                    "Very Favourable", "Average"};
                             s.TaraBalaVerdict = ::horavela::testing::StrengthWord(verdicts[i]);
                           }};
inline const Input kByChandra{
    3, 0, [](CalculationState& s, std::size_t i) {
      static const char* const verdicts[] = {"Unfavourable", "Favourable", "Average"};
      s.ChandraBalaVerdict = ::horavela::testing::StrengthWord(verdicts[i]);
    }};

struct Expected {
  std::string verdict;
  int points;
  int counted;   // what the outcome adds to FactorCount
  int selector;  // the value left in the factor's report slot
};
using Letters = std::map<char, Expected>;

struct Sweep {
  std::string_view what;
  RuleSet ruleSet;
  int index;
  std::optional<ReportSlot> slot;  // none: the factor has no report section
  Input input;
  std::string_view pattern;  // one letter per table entry; spaces only group
  Letters letters;
  Setter context = nullptr;   // fixes another input for the whole sweep
  bool countIsolated = true;  // false when the input also moves other counted factors
};

inline void CheckSweep(StartState start, const Sweep& sweep) {
  std::string pattern;
  for (char c : sweep.pattern) {
    if (c != ' ') pattern += c;
  }
  ASSERT_EQ(pattern.size(), sweep.input.size) << sweep.what;
  const Evaluated plain = Evaluate(start, sweep.ruleSet, sweep.context);
  const Expected& plainOutcome = sweep.letters.at(pattern[sweep.input.plainEntry]);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    SCOPED_TRACE(std::string(sweep.what) + ", entry " + std::to_string(i) + " expects " +
                 pattern[i]);
    const Expected& expected = sweep.letters.at(pattern[i]);
    const Evaluated run = Evaluate(start, sweep.ruleSet, [&](CalculationState& s) {
      if (sweep.context) sweep.context(s);
      sweep.input.set(s, i);
    });
    const Evaluation& result = run.state.Result;
    EXPECT_EQ(TextOf(result.FactorVerdicts.at(sweep.index)), expected.verdict);
    EXPECT_EQ(result.FactorPoints.at(sweep.index), expected.points);
    if (sweep.slot) {
      EXPECT_EQ(result.ReportFlags[*sweep.slot], expected.selector);
    }
    if (sweep.countIsolated) {
      EXPECT_EQ(result.FactorCount,
                plain.state.Result.FactorCount - plainOutcome.counted + expected.counted);
    }
  }
}

inline const Letters kTaraLetters = {{'U', {"Tara Stength - Unfavourable", -1, 0, 1}},
                                     {'F', {"Tara Stength - Favourable", 1, 1, 2}},
                                     {'V', {"Tara Stength - Very Favourable", 2, 1, 2}},
                                     {'-', {"", 0, 0, 0}}};
inline const Letters kChandraLetters = {{'U', {"Moon Stength - Unfavourable", -1, 0, 1}},
                                        {'F', {"Moon Stength - Favourable", 1, 1, 2}}};
inline const Letters kNakshatraLetters = {{'F', {"Nakshatra - Favourable", 1, 1, 2}},
                                          {'N', {"Nakshatra - Neutral", 0, 1, 2}}};

// Entries Unfavourable, Favourable, Very Favourable, an unexpected text.
inline constexpr std::string_view kTaraPattern = "UFV-";
// Entries Unfavourable, Favourable, an unexpected text.
inline constexpr std::string_view kChandraPattern = "UFF";

// --- Whole evaluations ---

struct Case {
  std::string_view name;
  RuleSet ruleSet;
  Setter setup;
  std::vector<std::string> verdicts;  // 0..N
  std::vector<int> points;            // 0..N-1; slot N must stay 0
  int count;
  std::string_view word;
  std::map<ReportSlot, int> flags;  // every selector that is not 0
  std::string_view warning = {};    // YogaWarning after the run
};

// `checkWarning`: the rule sets weigh the special yogas and leave their warning.
inline void CheckCase(StartState start, const Case& c, bool checkWarning = false) {
  SCOPED_TRACE(c.name);
  const Evaluated run = Evaluate(start, c.ruleSet, c.setup);
  const Evaluation& result = run.state.Result;
  EXPECT_EQ(::horavela::testing::Texts(result.FactorVerdicts), c.verdicts);
  std::vector<int> points(result.FactorPoints.begin(), result.FactorPoints.end());
  std::vector<int> expectedPoints = c.points;
  expectedPoints.push_back(0);
  EXPECT_EQ(points, expectedPoints);
  EXPECT_EQ(result.FactorCount, c.count);
  EXPECT_EQ(NameOf(result.ResultWord), c.word);
  std::array<std::int16_t, kReportFlagCount> flags{};
  for (const auto& [slot, value] : c.flags) flags[slot] = static_cast<std::int16_t>(value);
  EXPECT_EQ(result.ReportFlags, flags);
  if (checkWarning) {
    EXPECT_EQ(run.state.Yogas.YogaWarning, c.warning);
  }
  // The report went to the sink.
  EXPECT_GE(run.report.clears, 1);
}

// --- Result labels ---

struct LabelRow {
  std::string_view name;
  RuleSet ruleSet;
  Setter setup;
  std::string_view label;
};

inline void CheckResultLabels(StartState start, std::span<const LabelRow> rows) {
  for (const LabelRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Evaluated run = Evaluate(start, row.ruleSet, row.setup);
    EXPECT_EQ(ResultLabelOf(run.state.Result), row.label);
  }
}

}  // namespace horavela::testing
