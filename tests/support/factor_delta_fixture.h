#pragma once

// Factor cases compared with the unchanged run of the same rule set: the
// verdict and points of the factor's slot, the change of FactorCount, and all
// report selectors, so a factor writing the wrong selector is caught.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculation_state.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/chart_values.h"
#include "support/rule_run.h"
#include "support/verdict_texts.h"

namespace horavela::testing {

// Tithi number 1..30 with the names and groups the panchang gives it.
inline void SetTithi(CalculationState& s, int number) {
  static const char* const kNames[15] = {"Pratipada",  "Dwitiya",     "Tritiya",  "Chaturthi",
                                         "Panchami",   "Shasthi",     "Saptami",  "Ashtami",
                                         "Navami",     "Dashami",     "Ekadashi", "Dwadashi",
                                         "Triyodashi", "Chaturdashi", "Purnima"};
  static const char* const kGroups[5] = {"Nanda", "Bhadra", "Jaya", "Rikta", "Poorna"};
  s.Panchang.TithiNumber = static_cast<std::int16_t>(number);
  s.Panchang.TithiName =
      ::horavela::testing::TithiNamed(number == 30 ? "Amavashya" : kNames[(number - 1) % 15]);
  s.Panchang.Group = ::horavela::testing::GroupNamed(kGroups[(number - 1) % 5]);
  s.Panchang.Fortnight =
      ::horavela::testing::PakshaNamed(number <= 15 ? "Shukla Paksha" : "Krishna Paksha");
}

// The election weekday in the box and in the chart.
inline void SetWeekday(CalculationState& s, const std::string& weekday) {
  s.Input.electionWeekday = ::horavela::testing::WeekdayOrNone(weekday);
  s.ElectionChart.weekday = ::horavela::testing::WeekdayOrNone(weekday);
}

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
  CalculationState changed = plainElection();
  c.change(changed);
  const Evaluated run = Evaluate(ruleSet, changed);
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
  const Setter noChange = [](CalculationState&) {};
  cases.push_back({"tarabala unfavourable",
                   [](CalculationState& s) {
                     s.TaraBalaVerdict = ::horavela::testing::StrengthWord("Unfavourable");
                   },
                   0, "Tara Stength - Unfavourable", -1, -1, std::make_pair(TaraFlag, 1)});
  cases.push_back({"tarabala favourable", noChange, 0, "Tara Stength - Favourable", 1, 0,
                   std::make_pair(TaraFlag, 2)});
  cases.push_back({"tarabala very favourable",
                   [](CalculationState& s) {
                     s.TaraBalaVerdict = ::horavela::testing::StrengthWord("Very Favourable");
                   },
                   0, "Tara Stength - Very Favourable", 2, 0, std::make_pair(TaraFlag, 2)});
  cases.push_back({"tarabala unknown",
                   [unknownTara](CalculationState& s) {
                     s.TaraBalaVerdict = ::horavela::testing::StrengthWord(unknownTara);
                   },
                   0, "", 0, -1, std::make_pair(TaraFlag, 0)});
  cases.push_back({"chandrabala unfavourable",
                   [](CalculationState& s) {
                     s.ChandraBalaVerdict = ::horavela::testing::StrengthWord("Unfavourable");
                   },
                   1, "Moon Stength - Unfavourable", -1, -1, std::make_pair(ChandraFlag, 1)});
  cases.push_back({"chandrabala favourable", noChange, 1, "Moon Stength - Favourable", 1, 0,
                   std::make_pair(ChandraFlag, 2)});
}

}  // namespace horavela::testing
