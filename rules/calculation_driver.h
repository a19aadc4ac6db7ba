#pragma once

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "report/rich_text_sink.h"

namespace horavela {

// MomentInput of one page's moment.
MomentInput MomentInputFrom(const MomentEntry& entry);

// Both moments: for the birth moment and then the election moment, fill
// MomentInput, run CalcAscendant, CalcMoon and CalcPanchang, and copy the nine
// names into the moment's chart; then the election moment's planet signs.
// Reads state.Input.
void ComputeCharts(CalculationState& state);

// One moment each: MomentInput from its page, the three procedures, its chart
// row and snapshot. The election run leaves the panchang outputs the rules read.
void ComputeBirthChart(CalculationState& state);
void ComputeElectionChart(CalculationState& state);

// Tarabala, then chandrabala, from the two charts.
void ComputeStrengths(CalculationState& state);

// Runs the rule set of state.Input.subject. False when no subject has that
// text: the result label is emptied and no report is written.
bool DispatchSubject(CalculationState& state, RichTextSink& report);

// The whole evaluation of `input` from a fresh state, without pauses.
// The input must have passed CheckEvaluationInput.
CalculationState RunEvaluation(const EvaluationInput& input, RichTextSink& report);

}  // namespace horavela
