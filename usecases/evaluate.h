#pragma once

#include <functional>
#include <optional>

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/result.h"
#include "explain/explanation.h"
#include "report/report_writer.h"
#include "report/rich_text_sink.h"
#include "search/muhurta_finder.h"

// One evaluation of an election moment for a person, as every front end asks
// for it: the checks, both charts, the strengths, the explanation when asked,
// the rule set and its report. The front ends add only presentation.
namespace horavela {

// What a birth later than the election moment does to an evaluation.
enum class LateBirth {
  kRefuse,  // no evaluation (the desktop program)
  kWarn,    // evaluated all the same, the explanation says so (horavela-cli evaluate)
};

struct EvaluationRequest {
  EvaluationInput input;
  // The tz-database zone the election place follows, if any: with
  // input.election.place, where the moment is (a ZonedPlace); otherwise the
  // place's captions hold throughout.
  FollowedZone electionZone;
  LateBirth lateBirth = LateBirth::kRefuse;
  bool explain = false;                   // why the moment reads as it does
  bool fullReport = false;                // the report closes with the explanation's timing notes
  Language language = Language::English;  // of the report's headings and fixed texts
  Digits digits = Digits::Western;        // of the report, in `language`'s script when native
};

// The steps of one evaluation, in their order. Front ends replace them to put
// a wait between them or, in tests, to make the core fail; a step that throws
// ends the evaluation with its exception. Without `explain` nothing is
// explained.
struct EvaluationSteps {
  std::function<void(CalculationState&)> computeCharts;
  std::function<void(CalculationState&)> computeStrengths;
  std::function<Explanation(const EvaluationInput&, const FollowedZone&)> explain;
  std::function<Result<void>(CalculationState&, RichTextSink&, const ReportOptions&)>
      dispatchSubject;
};

// The core's own steps, the planets from the Swiss Ephemeris.
EvaluationSteps CoreEvaluationSteps();

// The second person's evaluation of a moment judged for two.
struct PartnerEvaluated {
  CalculationState state;
  bool ruleSetRan = false;  // as Evaluated::ruleSetRan
};

struct Evaluated {
  CalculationState state;
  // False when no subject has the input's text: no report was written.
  bool ruleSetRan = false;
  // What the report was written with, so a front end can write it again in
  // another language.
  ReportOptions reportOptions;
  // The explanation when one was asked for, or why there is none (not asked,
  // or its search failed: the verdict stands without it).
  Result<Explanation> explanation = Unexpected(Problem{"explanation", "not asked for"});
  // The partner's, for an evaluation for two; else empty.
  std::optional<PartnerEvaluated> partner;
};

// The options `evaluated`'s report was written with, for writing it again in
// `language`: the timing notes' window and better moments are said anew in
// it, their warnings kept as the report had them.
ReportOptions ReportOptionsIn(const Evaluated& evaluated, Language language);

// The evaluation of `request`, its report composed into `report`; a problem
// when the input fails its checks or the birth comes after the election and
// `request.lateBirth` refuses it.
Result<Evaluated> Evaluate(const EvaluationRequest& request, RichTextSink& report,
                           const EvaluationSteps& steps = CoreEvaluationSteps());

// The person's input made the partner's: the same undertaking, moment, place
// and settings, read from the partner's name, sex and birth.
EvaluationInput PartnersInput(const EvaluationInput& input, const Partner& partner);

// One evaluation per person: the person's as Evaluate gives it, then the
// partner's, its report composed into `partnerReport`. The partner is not
// explained, and a partner born after the election is refused whatever
// `request.lateBirth` says (named "partner.birth"), as are the partner's own
// fields (named "partner.…"), before anything is computed.
Result<Evaluated> EvaluateForTwo(const EvaluationRequest& request, const Partner& partner,
                                 RichTextSink& report, RichTextSink& partnerReport,
                                 const EvaluationSteps& steps = CoreEvaluationSteps());

}  // namespace horavela
