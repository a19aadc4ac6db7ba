#pragma once

#include "engine/calculation_state.h"
#include "report/rich_text_sink.h"

namespace horavela {

// Composes the electional report of the evaluation in `state` into `sink`:
// clears it, then writes the emblem, the title block, the overall section and
// one section per report selector that is not 0; or, where the rule set
// stopped at its year precondition, that message alone. Takes no pauses.
void WriteReport(const CalculationState& state, RichTextSink& sink);

}  // namespace horavela
