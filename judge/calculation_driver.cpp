#include "judge/calculation_driver.h"

#include "report/report_writer.h"
#include "rules/charts.h"
#include "rules/subjects.h"

namespace horavela {

bool DispatchSubject(CalculationState& state, RichTextSink& report, const ReportOptions& options) {
  if (!RunSubjectRuleSet(state)) return false;
  WriteReport(state, report, options);
  return true;
}

CalculationState RunEvaluation(const EvaluationInput& input, RichTextSink& report,
                               PlanetEphemeris& ephemeris, const ReportOptions& options) {
  CalculationState state = EvaluatedState(input, ephemeris);
  if (FindRuleSet(state.Input.subject) != nullptr) WriteReport(state, report, options);
  return state;
}

}  // namespace horavela
