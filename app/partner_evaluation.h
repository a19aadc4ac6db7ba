#pragma once

#include "report/rich_text_sink.h"
#include "search/muhurta_finder.h"
#include "usecases/evaluate.h"

namespace horavela::app {

// The same moment for the second person of a couple: the person's request
// with the name, sex and birth the partner's.
EvaluationRequest PartnerRequest(EvaluationRequest person, const Partner& partner);

// The partner's evaluation, its report written after what `report` already
// holds under a heading with the partner's name (the report writer would
// otherwise start the document afresh).
Result<Evaluated> EvaluatePartner(const EvaluationRequest& person, const Partner& partner,
                                  RichTextSink& report, const EvaluationSteps& steps);

}  // namespace horavela::app
