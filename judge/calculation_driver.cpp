#include "judge/calculation_driver.h"

#include "report/report_writer.h"
#include "rules/charts.h"

namespace horavela {

bool DispatchSubject(CalculationState& state, RichTextSink& report, const ReportOptions& options) {
  if (!RunSubjectRuleSet(state)) return false;
  WriteReport(state, report, options);
  return true;
}

CalculationState RunEvaluation(const EvaluationInput& input, RichTextSink& report,
                               PlanetEphemeris& ephemeris, const ReportOptions& options) {
  CalculationState state;
  state.Input = input;
  ComputeCharts(state, ephemeris);
  ComputeStrengths(state);
  DispatchSubject(state, report, options);
  return state;
}

}  // namespace horavela
