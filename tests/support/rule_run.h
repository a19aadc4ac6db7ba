#pragma once

// Running one rule set on a hand-built chart, and the result-word rows every
// rule-set test file checks.

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string_view>
#include <utility>

#include "engine/calculation_state.h"
#include "report/report_writer.h"
#include "rules/evaluation.h"
#include "rules/rule_sets.h"
#include "support/recording_sink.h"

namespace horavela::testing {

// The chart a test file starts every case from.
using StartState = CalculationState (*)();
// A change to a chart; an empty one leaves it as it is.
using Setter = std::function<void(CalculationState&)>;

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

// FactorCount against AverageCount, and the word and result selector it gives.
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

}  // namespace horavela::testing
