#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "language/language.h"

namespace horavela {

// What the report says for one evaluation, before any formatting: shared by
// the writer and by the section listing so the two never disagree.
struct PlannedSection {
  std::string heading;
  std::string_view verdict;
  std::string_view paragraph;
  // The one true sentence that stands for the verdict and the paragraph
  // where these would contradict the factor's verdict; empty where they hold.
  std::string truthfulLine;
};

struct ReportPlan {
  bool hasOverall = false;
  std::string dateLine;                   // "January 5, 2011"
  PlannedSection overall;                 // valid when hasOverall
  std::vector<PlannedSection> factors;    // report order
  bool endsWithLastTableSection = false;  // the Amrita Siddhi section is written
};

// The headings, verdict words, paragraphs, the elements' names after the
// headings and the date line in `language`.
ReportPlan PlanReport(const CalculationState& state, Language language = Language::English);

}  // namespace horavela
