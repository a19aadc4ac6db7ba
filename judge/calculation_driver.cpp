#include "judge/calculation_driver.h"

#include "report/report_writer.h"
#include "rules/charts.h"
#include "rules/subjects.h"

namespace horavela {

Result<void> DispatchSubject(CalculationState& state, RichTextSink& report,
                             const ReportOptions& options) {
  if (!RunSubjectRuleSet(state))
    return Unexpected(
        Problem{"subject", messages::UnknownSubject(state.Input.subject), Rule::UnknownText});
  WriteReport(state, report, options);
  return {};
}

CalculationState RunEvaluation(const EvaluationInput& input, RichTextSink& report,
                               PlanetEphemeris& ephemeris, const ReportOptions& options) {
  CalculationState state = EvaluatedState(input, ephemeris);
  if (FindRuleSet(state.Input.subject) != nullptr) WriteReport(state, report, options);
  return state;
}

}  // namespace horavela
