#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/calculation_state.h"
#include "json/json_text.h"  // Serialize
#include "report/report_sections.h"

namespace horavela::cli {

// The answer to one evaluation: both charts with the values each moment left
// behind, the two strengths, the election's planet signs, the rule set's
// result and the report. Keys keep the order a reader expects. With a
// partner, "partner_evaluation" follows "evaluation", in its shape.
nlohmann::ordered_json BuildResponse(const CalculationState& state, const std::string& reportText,
                                     const std::vector<ReportSectionSummary>& sections,
                                     const CalculationState* partner = nullptr);

// {"error": message}
nlohmann::ordered_json ErrorResponse(const std::string& message);

// "error: message\n": an error answer as the --text summaries write it.
std::string ErrorText(const nlohmann::ordered_json& errorResponse);

// The values of a container as a JSON array, in order.
template <typename Container>
nlohmann::ordered_json JsonArray(const Container& values) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  for (const auto& value : values) array.push_back(value);
  return array;
}

// The verdicts as the report prints them, an empty slot as "".
nlohmann::ordered_json VerdictTexts(const std::vector<FactorVerdict>& verdicts);

}  // namespace horavela::cli
