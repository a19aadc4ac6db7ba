#pragma once

// Rule sets run on hand-built charts. A test file starts every case from one
// chart of its own (a StartState), changes what the case is about (a Setter,
// or a Tweak where the change is a few named elements), runs the rule set and
// its report, and checks the verdicts with one of the tables below:
//   Sweep      one factor over a whole input table, a letter per entry;
//   TweakCase  one outcome of one factor, with the FactorCount of the run;
//   FactorCase one outcome of one factor, against the unchanged run;
//   Case       a whole evaluation: verdicts, points, count, word, selectors;
//   WordRow    FactorCount against AverageCount and the word it gives;
//   LabelRow   the result label, line by line.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calculation_state.h"
#include "panchang/panchang.h"
#include "report/report_writer.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/chart_values.h"
#include "support/recording_sink.h"

namespace horavela::testing {

// The chart a test file starts every case from.
using StartState = CalculationState (*)();
// A change to a chart; an empty one leaves it as it is.
using Setter = std::function<void(CalculationState&)>;

// --- Changing a chart ---

// Tithi number 1..30 with the panchang's own name, fortnight and group.
inline void SetTithi(CalculationState& s, int number) {
  NameTithi(s.Panchang, number - 1);
}

// The election weekday in the box and in the chart alike.
inline void SetWeekday(CalculationState& s, std::string_view name) {
  s.Input.electionWeekday = WeekdayOrNone(name);
  s.ElectionChart.weekday = WeekdayOrNone(name);
}

inline Setter WithNakshatra(std::string name) {
  return [name](CalculationState& s) { s.ElectionChart.nakshatra = NakshatraNamed(name); };
}
inline Setter MoonSign(std::string name) {
  return [name](CalculationState& s) { s.ElectionChart.moonSign = RashiNamed(name); };
}
inline Setter WithYoga(std::string name) {
  return [name](CalculationState& s) { s.ElectionChart.yoga = YogaNamed(name); };
}
inline Setter WithKarana(std::string name) {
  return [name](CalculationState& s) { s.ElectionChart.karana = KaranaNamed(name); };
}
inline Setter WithWeekday(std::string name) {
  return [name](CalculationState& s) { SetWeekday(s, name); };
}
// The weekday box alone (a weekday picked by hand).
inline Setter BoxWeekday(std::string name) {
  return [name](CalculationState& s) { s.Input.electionWeekday = WeekdayOrNone(name); };
}
inline Setter WithTithi(int number) {
  return [number](CalculationState& s) { SetTithi(s, number); };
}
inline Setter Tara(std::string verdict) {
  return [verdict](CalculationState& s) { s.TaraBalaVerdict = StrengthWord(verdict); };
}
inline Setter Chandra(std::string verdict) {
  return [verdict](CalculationState& s) { s.ChandraBalaVerdict = StrengthWord(verdict); };
}
inline Setter All(std::vector<Setter> setters) {
  return [setters](CalculationState& s) {
    for (const Setter& set : setters) set(s);
  };
}

// Changes to a chart written as data; a null text or a zero number leaves the
// element as it is.
struct Tweak {
  const char* tara = nullptr;
  const char* chandra = nullptr;
  const char* nakshatra = nullptr;
  const char* birthNakshatra = nullptr;
  int tithi = 0;                     // number 1..30
  const char* weekday = nullptr;     // the weekday box and the chart alike
  const char* boxWeekday = nullptr;  // the box alone
  int month = 0;                     // election date, for the Hindu month
  int day = 0;
  const char* moonSign = nullptr;
  const char* lagna = nullptr;  // election lagna
  const char* birthMoonSign = nullptr;
  const char* birthLagna = nullptr;
};

inline void Apply(const Tweak& t, CalculationState& s) {
  if (t.tara) s.TaraBalaVerdict = StrengthWord(t.tara);
  if (t.chandra) s.ChandraBalaVerdict = StrengthWord(t.chandra);
  if (t.nakshatra) s.ElectionChart.nakshatra = NakshatraNamed(t.nakshatra);
  if (t.birthNakshatra) s.BirthChart.nakshatra = NakshatraNamed(t.birthNakshatra);
  if (t.tithi != 0) SetTithi(s, t.tithi);
  if (t.weekday) SetWeekday(s, t.weekday);
  if (t.boxWeekday) s.Input.electionWeekday = WeekdayOrNone(t.boxWeekday);
  if (t.month != 0) {
    s.Moment.month = static_cast<std::int16_t>(t.month);
    s.Moment.day = static_cast<std::int16_t>(t.day);
    s.Input.election.month = s.Moment.month;
    s.Input.election.day = s.Moment.day;
  }
  if (t.moonSign) s.ElectionChart.moonSign = RashiNamed(t.moonSign);
  if (t.lagna) s.ElectionChart.lagna = RashiNamed(t.lagna);
  if (t.birthMoonSign) s.BirthChart.moonSign = RashiNamed(t.birthMoonSign);
  if (t.birthLagna) s.BirthChart.lagna = RashiNamed(t.birthLagna);
}

// A rule set's base tweak, then the case's own.
inline Setter Tweaked(Tweak base, Tweak change) {
  return [base, change](CalculationState& s) {
    Apply(base, s);
    Apply(change, s);
  };
}

inline CalculationState StateWith(StartState start, const Tweak& base, const Tweak& change) {
  CalculationState s = start();
  Tweaked(base, change)(s);
  return s;
}

// Both strengths unfavourable, Moon in Bharani in Mesha, Kanya rising, bright
// Pratipada, Siddhi yoga, Bava karana, Sunday in the weekday box and in the
// chart, the election half a year before the birthday in the birth year.
inline CalculationState PlainChart() {
  CalculationState s;
  s.TaraBalaVerdict = Word::Unfavourable;
  s.ChandraBalaVerdict = Word::Unfavourable;
  s.ElectionChart.moonSign = Rashi::Mesha;
  s.ElectionChart.nakshatra = Nakshatra::Bharani;
  s.ElectionChart.lagna = Rashi::Kanya;
  s.ElectionChart.yoga = Yoga::Siddhi;
  s.ElectionChart.karana = Karana::Bava;
  SetWeekday(s, "Sunday");
  SetTithi(s, 1);
  s.Input.birth.year = 2000;
  s.Input.birth.month = 6;
  s.Input.birth.day = 15;
  s.Input.election.year = 2000;
  s.Input.election.month = 1;
  s.Input.election.day = 1;
  return s;
}

// The plain chart made a clean marriage moment: Moon in Rohini on the bright
// Dwitiya of a Monday, Siddhi yoga, Bava karana.
inline CalculationState CleanMarriageMoment() {
  CalculationState s = PlainChart();
  s.ElectionChart.nakshatra = Nakshatra::Rohini;
  SetTithi(s, 2);
  SetWeekday(s, "Monday");
  return s;
}

// --- Running a rule set ---

struct Evaluated {
  CalculationState state;
  RecordingSink report;
};

inline Evaluated Evaluate(RuleSet ruleSet, CalculationState state) {
  Evaluated run{std::move(state), {}};
  ruleSet(run.state);
  WriteReport(run.state, run.report);
  return run;
}

// The start chart with `setup` applied, evaluated.
inline Evaluated Evaluate(StartState start, RuleSet ruleSet, const Setter& setup) {
  CalculationState state = start();
  if (setup) setup(state);
  return Evaluate(ruleSet, std::move(state));
}

// --- Sweeps: one factor over a whole input table ---

// One input swept over its table; `plainEntry` is the start chart's entry.
struct Input {
  std::size_t size;
  std::size_t plainEntry;
  void (*set)(CalculationState&, std::size_t);
};
inline const Input kByNakshatra{27, 1, [](CalculationState& s, std::size_t i) {
                                  s.ElectionChart.nakshatra =
                                      FromIndex<Nakshatra>(static_cast<int>(i));
                                }};
inline const Input kByTithiNumber{
    30, 0, [](CalculationState& s, std::size_t i) { SetTithi(s, static_cast<int>(i) + 1); }};
inline const Input kByBoxWeekday{7, 0, [](CalculationState& s, std::size_t i) {
                                   s.Input.electionWeekday =
                                       FromIndex<Weekday>(static_cast<int>(i));
                                 }};
inline const Input kByTara{4, 0, [](CalculationState& s, std::size_t i) {
                             static const char* const verdicts[] = {"Unfavourable", "Favourable",
                                                                    "Very Favourable", "Average"};
                             s.TaraBalaVerdict = StrengthWord(verdicts[i]);
                           }};
inline const Input kByChandra{
    3, 0, [](CalculationState& s, std::size_t i) {
      static const char* const verdicts[] = {"Unfavourable", "Favourable", "Average"};
      s.ChandraBalaVerdict = StrengthWord(verdicts[i]);
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

// --- One outcome of one factor ---

// With the FactorCount of the whole run.
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
inline void CheckFactors(StartState start, RuleSet ruleSet, int n, const Tweak& base,
                         std::initializer_list<TweakCase> cases) {
  for (const TweakCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Evaluation& got = Evaluate(start, ruleSet, Tweaked(base, c.change)).state.Result;
    ASSERT_EQ(got.FactorVerdicts.size(), static_cast<std::size_t>(n + 1));
    EXPECT_EQ(TextOf(got.FactorVerdicts[n]), "");
    EXPECT_EQ(TextOf(got.FactorVerdicts[c.index]), c.verdict);
    EXPECT_EQ(got.FactorPoints[c.index], c.points);
    EXPECT_EQ(got.ReportFlags[c.slot], c.selector);
    EXPECT_EQ(got.FactorCount, c.factorCount);
  }
}

// Against the unchanged run: the change of FactorCount, and all report
// selectors, so a factor writing the wrong selector is caught.
struct FactorCase {
  std::string name;
  Setter change;
  int index;
  std::string verdict;
  int points;
  int countDelta;                                      // FactorCount against the plain election
  std::optional<std::pair<ReportSlot, int>> selector;  // nullopt: the factor writes none
};

inline void ExpectFactor(StartState plainElection, RuleSet ruleSet, const FactorCase& c) {
  SCOPED_TRACE(c.name);
  const Evaluated plain = Evaluate(ruleSet, plainElection());
  const Evaluated run = Evaluate(plainElection, ruleSet, c.change);
  const Evaluation& got = run.state.Result;
  ASSERT_LT(static_cast<std::size_t>(c.index), got.FactorVerdicts.size());
  EXPECT_EQ(TextOf(got.FactorVerdicts[c.index]), c.verdict);
  EXPECT_EQ(got.FactorPoints[c.index], c.points);
  EXPECT_EQ(got.FactorCount - plain.state.Result.FactorCount, c.countDelta);
  auto expectedFlags = plain.state.Result.ReportFlags;
  if (c.selector) expectedFlags[c.selector->first] = static_cast<std::int16_t>(c.selector->second);
  for (int slot = MonthFlag; slot < kReportFlagCount; ++slot) {
    EXPECT_EQ(got.ReportFlags[slot], expectedFlags[slot]) << "report selector " << slot;
  }
}

// The opening tarabala and chandrabala rows, from a plain election with both
// strengths favourable; `unknownTara` is a tarabala text no rule knows.
inline void AddStandardOpening(std::vector<FactorCase>& cases, const std::string& unknownTara) {
  const auto tara = std::make_pair(TaraFlag, 2);
  const auto chandra = std::make_pair(ChandraFlag, 2);
  cases.push_back({"tarabala unfavourable", Tara("Unfavourable"), 0, "Tara Stength - Unfavourable",
                   -1, -1, std::make_pair(TaraFlag, 1)});
  cases.push_back({"tarabala favourable", Setter{}, 0, "Tara Stength - Favourable", 1, 0, tara});
  cases.push_back({"tarabala very favourable", Tara("Very Favourable"), 0,
                   "Tara Stength - Very Favourable", 2, 0, tara});
  cases.push_back(
      {"tarabala unknown", Tara(unknownTara), 0, "", 0, -1, std::make_pair(TaraFlag, 0)});
  cases.push_back({"chandrabala unfavourable", Chandra("Unfavourable"), 1,
                   "Moon Stength - Unfavourable", -1, -1, std::make_pair(ChandraFlag, 1)});
  cases.push_back(
      {"chandrabala favourable", Setter{}, 1, "Moon Stength - Favourable", 1, 0, chandra});
}

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
  EXPECT_EQ(Texts(result.FactorVerdicts), c.verdicts);
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

// --- The result ---

// FactorCount against AverageCount: below gives "Bad", equal "Average", above
// "Good", with the result selector it writes.
struct WordRow {
  std::string_view name;
  RuleSet ruleSet;
  Setter setup;
  int count;
  std::string_view word;
  int resultFlag;
};

inline void CheckResultWords(StartState start, std::span<const WordRow> rows) {
  for (const WordRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Evaluated run = Evaluate(start, row.ruleSet, row.setup);
    EXPECT_EQ(run.state.Result.FactorCount, row.count);
    EXPECT_EQ(NameOf(run.state.Result.ResultWord), row.word);
    EXPECT_EQ(run.state.Result.ReportFlags[ResultFlag], row.resultFlag);
  }
}

struct LabelRow {
  std::string_view name;
  RuleSet ruleSet;
  Setter setup;
  std::string_view label;
  std::optional<int> totalScore = std::nullopt;
};

inline void CheckResultLabels(StartState start, std::span<const LabelRow> rows) {
  for (const LabelRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Evaluated run = Evaluate(start, row.ruleSet, row.setup);
    EXPECT_EQ(ResultLabelOf(run.state.Result), row.label);
    if (row.totalScore) {
      EXPECT_EQ(run.state.Result.TotalScore, *row.totalScore);
    }
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
