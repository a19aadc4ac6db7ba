#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

// Report selector slots, in storage and reset order.
enum ReportSlot : int {
  ResultFlag = 0,
  MonthFlag,
  NakshatraFlag,
  TithiFlag,
  WeekdayFlag,
  ChandraFlag,
  TaraFlag,
  LagnaFlag,
  RashiFlag,
  KaranaFlag,
  YogaFlag,
  SiddhaFlag,
  SarvarthaFlag,
  MrityuFlag,
  DaghdaFlag,
  YamaghataFlag,
  TripushkarFlag,
  DvipushkarFlag,
  SaraswatiFlag,
  AmritaFlag,
};

inline constexpr bool kCounts = true;  // the outcome adds one to FactorCount
inline constexpr bool kKeeps = false;  // the outcome leaves FactorCount as it is

// One outcome row of a factor table: the factor and how it came out, points,
// effect on the count, and the report selector it writes (value 0: the outcome
// writes no selector).
struct Outcome {
  Factor factor = Factor::None;
  Word word = Word::None;  // None: nothing is written into the slot
  std::int16_t points = 0;
  bool counts = false;
  ReportSlot slot = ResultFlag;
  std::int16_t selector = 0;
};

// A test row of a factor table: when `holds`, `outcome` applies.
struct Row {
  bool holds;
  Outcome outcome;
};

// The first row that holds decides; `otherwise` applies when none does.
Outcome FirstHolding(std::initializer_list<Row> rows, const Outcome& otherwise);

struct RuleSetShape {
  int factorCount;   // N: the arrays run 0..N, slot N stays empty
  int averageCount;  // FactorCount equal to this gives Verdict::Average
  LabelStyle label = LabelStyle::Election;
};

// The skeleton every rule set follows: reset, year precondition, short path or
// arrays, factors, result word, result label. The report is composed from the
// finished evaluation by whoever ran the rule set.
class RuleSetRun {
 public:
  RuleSetRun(CalculationState& state, RuleSetShape shape);

  // Reset and year precondition. False when the election year lies before the
  // birth year: the evaluation then carries the precondition message, which
  // stands alone in the report, and the rule set ends.
  bool Start();

  // A short path holds: one entry, the whole undertaking favourable, with `points`, FactorCount 1.
  void TakeShortPath(std::int16_t points);

  // Fresh arrays with bounds 0..N.
  void Allocate();

  // Writes one factor's outcome into slot `index`.
  void Record(int index, const Outcome& outcome);

  // Result word and ResultFlag, then the result label.
  void Finish();

  CalculationState& state() { return state_; }
  Evaluation& result() { return state_.Result; }

 private:
  void DecideResultWord();
  // The total, and what the label shows besides the verdicts.
  void KeepLabelParts();

  CalculationState& state_;
  RuleSetShape shape_;
};

// The result label's caption, CRLF line breaks: each factor's verdict and
// points, the total and the verdict; empty where the rule set wrote none.
// With `say`, the fixed words (factors, points, total, verdict, the yoga's
// warning) as it says them, and with `planetName` the planets in the tenth.
using PlanetNamer = std::function<std::string_view(Planet planet)>;
std::string ResultLabelOf(const Evaluation& result, const WordSayer& say = {},
                          const PlanetNamer& planetName = {});

inline constexpr std::string_view kYearPreconditionMessage =
    "Your Electional Date is more than Your Birth Date. Please check.";

// Whether a rule set gets past its year precondition: only the years are
// compared, so an earlier date within the birth year passes.
bool YearPreconditionHolds(const EvaluationInput& input);

// Empties everything a rule-set run writes (result, label, special yogas, the
// table-lagna tests), so that one state can be judged again and again as if
// fresh. The planet signs belong to the charts and stay. The verdict texts
// keep their storage where the rule set will size them again itself.
void ResetRuleSetOutputs(CalculationState& state);

}  // namespace horavela
