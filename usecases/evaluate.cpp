#include "usecases/evaluate.h"

#include <exception>
#include <new>
#include <optional>

#include "engine/input_check.h"
#include "engine/planet_ephemeris.h"
#include "explain/full_report.h"
#include "judge/calculation_driver.h"
#include "rules/charts.h"
#include "usecases/birth_order.h"

namespace horavela {

namespace {

LocalMinute ElectionMinute(const EvaluationInput& input) {
  const MomentEntry& e = input.election;
  return {e.year, e.month, e.day, e.hour, e.minute};
}

// The explanation or why it failed; running out of memory is no fault of the
// moment and goes on up.
Result<Explanation> Explained(const EvaluationRequest& request, const EvaluationSteps& steps) {
  if (!steps.explain) return Unexpected(Problem{"explanation", "not available"});
  try {
    return steps.explain(request.input, request.electionZone);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& failure) {
    return Unexpected(Problem{"explanation", failure.what()});
  }
}

std::string Sentence(std::string text) {
  if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') text.front() -= 'a' - 'A';
  return text;
}

}  // namespace

EvaluationSteps CoreEvaluationSteps() {
  return {.computeCharts =
              [](CalculationState& state) {
                ComputeCharts(state, SwissEphemeris());
                // Both front ends show the election's planets, and say when they
                // are unavailable, whatever the subject's rule set reads.
                ElectionPlanetSigns(state);
              },
          .computeStrengths = &ComputeStrengths,
          .explain =
              [](const EvaluationInput& input, const FollowedZone& electionZone) {
                return ExplainMoment(input, electionZone, SwissEphemeris());
              },
          .dispatchSubject =
              [](CalculationState& state, RichTextSink& report, const ReportOptions& options) {
                return DispatchSubject(state, report, options);
              }};
}

Result<Evaluated> Evaluate(const EvaluationRequest& request, RichTextSink& report,
                           const EvaluationSteps& steps) {
  if (const Result<void> checked = CheckEvaluationInput(request.input); !checked)
    return Unexpected(checked.error());
  const Result<void> order = CheckBornBeforeElection(request.input.birth, request.input.election);
  if (!order && request.lateBirth == LateBirth::kRefuse) return Unexpected(order.error());

  Evaluated evaluated;
  CalculationState& state = evaluated.state;
  state.Input = request.input;
  steps.computeCharts(state);
  steps.computeStrengths(state);
  if (request.explain || request.fullReport) evaluated.explanation = Explained(request, steps);
  ReportOptions options;
  if (request.fullReport) {
    std::optional<Explanation> notes;
    if (evaluated.explanation) notes = *evaluated.explanation;
    options = FullReportOptions(notes, ElectionMinute(request.input), request.language);
  }
  options.language = request.language;
  options.digits = request.digits;
  evaluated.ruleSetRan = steps.dispatchSubject(state, report, options).has_value();
  evaluated.reportOptions = options;
  // Said in the explanation alone, after the report: the report is the
  // person's document and reads as it always has.
  if (!order && evaluated.explanation) {
    // The problem's message is the core's own, in English.
    AddWarning(*evaluated.explanation, Worded("%1; the rule sets compare the years alone.",
                                              {AsIs(Sentence(order.error().message))}));
  }
  return evaluated;
}

ReportOptions ReportOptionsIn(const Evaluated& evaluated, Language language) {
  ReportOptions options = evaluated.reportOptions;
  options.language = language;
  if (options.timingNotes && evaluated.explanation) {
    TimingNotes said =
        TimingNotesOf(*evaluated.explanation, ElectionMinute(evaluated.state.Input), language);
    // The report's warnings are those the explanation had when the report was
    // planned: a late birth is said after it, in the explanation alone.
    said.warnings.resize(options.timingNotes->warnings.size());
    options.timingNotes->window = said.window;
    options.timingNotes->warnings = said.warnings;
    options.timingNotes->betterMoments = said.betterMoments;
    options.timingNotes->factors = said.factors;
  }
  return options;
}

EvaluationInput PartnersInput(const EvaluationInput& input, const Partner& partner) {
  EvaluationInput partners = input;
  partners.name = partner.name;
  partners.sex = partner.sex;
  partners.birth = partner.birth;
  return partners;
}

Result<Evaluated> EvaluateForTwo(const EvaluationRequest& request, const Partner& partner,
                                 RichTextSink& report, RichTextSink& partnerReport,
                                 const EvaluationSteps& steps) {
  if (const Result<void> checked = CheckEvaluationInput(request.input); !checked)
    return Unexpected(checked.error());
  if (const Result<void> checked = CheckPartner(partner); !checked)
    return Unexpected(checked.error());
  if (const Result<void> order = CheckBornBeforeElection(partner.birth, request.input.election);
      !order)
    return Unexpected(Problem{"partner.birth", order.error().message, order.error().rule});
  Result<Evaluated> evaluated = Evaluate(request, report, steps);
  if (!evaluated) return evaluated;
  PartnerEvaluated& partners = evaluated->partner.emplace();
  partners.state.Input = PartnersInput(request.input, partner);
  steps.computeCharts(partners.state);
  steps.computeStrengths(partners.state);
  partners.ruleSetRan = steps.dispatchSubject(partners.state, partnerReport, {}).has_value();
  return evaluated;
}

}  // namespace horavela
