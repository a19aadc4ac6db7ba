#include "rules/evaluation.h"

#include <string>
#include <utility>

namespace horavela {

namespace {
constexpr std::string_view kLineBreak = "\r\n";

std::string_view Said(const WordSayer& say, std::string_view english) {
  return say ? say(english) : english;
}
}  // namespace

Outcome FirstHolding(std::initializer_list<Row> rows, const Outcome& otherwise) {
  for (const Row& row : rows) {
    if (row.holds) return row.outcome;
  }
  return otherwise;
}

bool YearPreconditionHolds(const EvaluationInput& input) {
  return input.election.year >= input.birth.year;
}

void ResetRuleSetOutputs(CalculationState& state) {
  Evaluation& result = state.Result;
  result.TotalScore = 0;
  result.FactorCount = 0;
  // A run past the precondition sizes and empties the verdicts itself.
  if (!YearPreconditionHolds(state.Input)) {
    result.FactorVerdicts.clear();
    result.FactorPoints.clear();
  }
  result.ResultWord = Verdict::None;
  result.ReportFlags.fill(0);
  result.SelectorFactors = NoSelectorFactors();
  result.PreconditionMessage = {};
  result.Label = LabelStyle::None;
  result.YogaWarning = {};
  result.PlanetsInTenth.clear();
  state.Yogas = SpecialYogaState{};
  const PlanetPositions planetSigns = state.Lagna.PlanetSigns;
  state.Lagna = LagnaTestState{};
  state.Lagna.PlanetSigns = planetSigns;
}

RuleSetRun::RuleSetRun(CalculationState& state, RuleSetShape shape)
    : state_(state), shape_(shape) {}

bool RuleSetRun::Start() {
  Evaluation& result = state_.Result;
  result.ReportFlags.fill(0);
  result.SelectorFactors = NoSelectorFactors();
  result.TotalScore = 0;
  result.FactorCount = 0;
  result.ResultWord = Verdict::None;
  result.PreconditionMessage = {};
  // The old label would read as the result of these inputs.
  result.Label = LabelStyle::None;
  result.YogaWarning = {};
  result.PlanetsInTenth.clear();

  if (!YearPreconditionHolds(state_.Input)) {
    result.PreconditionMessage = kYearPreconditionMessage;
    return false;
  }
  return true;
}

void RuleSetRun::TakeShortPath(std::int16_t points) {
  Evaluation& result = state_.Result;
  result.FactorVerdicts.assign(2, FactorVerdict{});
  result.FactorPoints.assign(2, 0);
  result.FactorVerdicts[0] = {Factor::Whole, Word::Favourable};
  result.FactorPoints[0] = points;
  result.FactorCount = 1;
}

void RuleSetRun::Allocate() {
  Evaluation& result = state_.Result;
  result.FactorVerdicts.assign(static_cast<std::size_t>(shape_.factorCount) + 1, FactorVerdict{});
  result.FactorPoints.assign(static_cast<std::size_t>(shape_.factorCount) + 1, 0);
}

void RuleSetRun::Record(int index, const Outcome& outcome) {
  Evaluation& result = state_.Result;
  if (index < 0 || static_cast<std::size_t>(index) >= result.FactorVerdicts.size()) return;
  if (outcome.word != Word::None) result.FactorVerdicts[index] = {outcome.factor, outcome.word};
  result.FactorPoints[index] = outcome.points;
  if (outcome.counts) ++result.FactorCount;
  if (outcome.selector != 0) {
    result.ReportFlags[outcome.slot] = outcome.selector;
    result.SelectorFactors[outcome.slot] = static_cast<std::int8_t>(index);
  }
}

void RuleSetRun::Finish() {
  DecideResultWord();
  KeepLabelParts();
}

void RuleSetRun::DecideResultWord() {
  Evaluation& result = state_.Result;
  if (result.FactorCount == shape_.averageCount) {
    result.ResultWord = Verdict::Average;
    result.ReportFlags[ResultFlag] = 3;
  } else if (result.FactorCount < shape_.averageCount) {
    result.ResultWord = Verdict::Bad;
    result.ReportFlags[ResultFlag] = 1;
  } else {
    result.ResultWord = Verdict::Good;
    result.ReportFlags[ResultFlag] = 2;
  }
}

void RuleSetRun::KeepLabelParts() {
  Evaluation& result = state_.Result;
  const int last = static_cast<int>(result.FactorPoints.size()) - 1;
  for (int i = 0; i < last; ++i)
    result.TotalScore = static_cast<std::int16_t>(result.TotalScore + result.FactorPoints[i]);
  result.Label = shape_.label;
  if (shape_.label == LabelStyle::YogaWarning) result.YogaWarning = state_.Yogas.YogaWarning;
  if (shape_.label == LabelStyle::TradePlanets) result.PlanetsInTenth = state_.Lagna.PlanetsInTenth;
}

std::string ResultLabelOf(const Evaluation& result, const WordSayer& say,
                          const PlanetNamer& planetName) {
  std::string label;
  if (result.Label == LabelStyle::None) return label;
  const int last = static_cast<int>(result.FactorVerdicts.size()) - 1;
  for (int i = 0; i < last; ++i) {
    AppendTextOf(label, result.FactorVerdicts[i], say);
    label += " - ";
    label += std::to_string(result.FactorPoints[i]);
    label += ' ';
    label += Said(say, "Point");
    label += kLineBreak;
    label += kLineBreak;
    if (result.Label == LabelStyle::YogaWarning && i == last - 1) {
      label += Said(say, result.YogaWarning);
      label += kLineBreak;
      label += kLineBreak;
    }
  }
  label += Said(say, "Total Score");
  label += " - ";
  label += std::to_string(result.TotalScore);
  label += ' ';
  label += Said(say, "Points");
  label += kLineBreak;
  label += kLineBreak;
  label += Said(say, result.Label == LabelStyle::Electional ? "Electional" : "Election");
  label += ": ";
  label += Said(say, NameOf(result.ResultWord));
  if (result.Label == LabelStyle::TradePlanets) {
    label += kLineBreak;
    label += kLineBreak;
    // The trailing space is the listing's own, kept as it has always read.
    label += Said(say, "Planet in the 10th House from the position of Asc");
    label += ' ';
    label += kLineBreak;
    // Each planet on a line of its own, and one empty line closing the list
    // (it stands alone when no planet is in the tenth sign), so the label
    // reads the same whether the tenth sign holds planets or not.
    for (const Planet planet : result.PlanetsInTenth) {
      label += planetName ? planetName(planet) : NameOf(planet);
      label += kLineBreak;
    }
    label += kLineBreak;
  }
  return label;
}

}  // namespace horavela
