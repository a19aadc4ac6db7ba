#pragma once

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "engine/result.h"
#include "report/report_writer.h"
#include "report/rich_text_sink.h"

namespace horavela {

// Runs the rule set of state.Input.subject and composes its report into
// `report`, as `options` asks. When no subject has that text, the problem
// names "subject": the result label is emptied and no report is written.
Result<void> DispatchSubject(CalculationState& state, RichTextSink& report,
                             const ReportOptions& options = {});

// The evaluation of `input` (EvaluatedState, the planets from `ephemeris`)
// with its report, as `options` asks. The input must have passed
// CheckEvaluationInput. The front ends ask the use case Evaluate instead,
// which checks and explains as well.
CalculationState RunEvaluation(const EvaluationInput& input, RichTextSink& report,
                               PlanetEphemeris& ephemeris, const ReportOptions& options = {});

}  // namespace horavela
