#include "cli/explanation_response.h"

#include <optional>

#include "atlas/local_minute.h"

namespace horavela::cli {

namespace {

nlohmann::ordered_json MinuteOrNull(const std::optional<LocalMinute>& minute) {
  if (!minute) return nullptr;
  return FormatLocalMinute(*minute);
}

nlohmann::ordered_json WindowJson(const ExplainedWindow& window) {
  return {{"from", FormatLocalMinute(window.from)}, {"to", FormatLocalMinute(window.to)}};
}

nlohmann::ordered_json BetterJson(const std::optional<BetterMoment>& better) {
  if (!better) return nullptr;
  return {{"minute", FormatLocalMinute(better->minute)},
          {"window", WindowJson(better->window)},
          {"result", NameOf(better->window.verdict)},
          {"total", better->window.total}};
}

}  // namespace

nlohmann::ordered_json ExplanationJson(const Explanation& explanation) {
  nlohmann::ordered_json elements = nlohmann::ordered_json::array();
  for (const ElementSpan& span : explanation.elements) {
    elements.push_back({{"element", span.element},
                        {"name", span.name},
                        {"from", MinuteOrNull(span.began)},
                        {"to", MinuteOrNull(span.ends)}});
  }
  nlohmann::ordered_json nearest{{"before", BetterJson(explanation.before)},
                                 {"after", BetterJson(explanation.after)},
                                 {"best_of_day", BetterJson(explanation.bestOfDay)},
                                 {"none_found", explanation.noneBetter}};
  nlohmann::ordered_json factors = nlohmann::ordered_json::array();
  for (const FactorInWords& factor : explanation.factors) {
    factors.push_back(
        {{"verdict", factor.verdict}, {"points", factor.points}, {"line", factor.line}});
  }
  return {{"window", WindowJson(explanation.window)},
          {"elements", std::move(elements)},
          {"warnings", explanation.warnings},
          {"nearest_better", std::move(nearest)},
          {"factors", std::move(factors)}};
}

}  // namespace horavela::cli
