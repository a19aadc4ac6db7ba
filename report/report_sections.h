#pragma once

#include <string>
#include <vector>

#include "engine/calculation_state.h"

namespace horavela {

// One section as the report shows it: the full heading (chart names appended)
// and the verdict word under it.
struct ReportSectionSummary {
  std::string heading;
  std::string verdict;
};

// The sections WriteReport writes for `state`, in report order: the overall
// section first when the overall selector is set, then every factor section
// whose selector is not 0.
std::vector<ReportSectionSummary> ListReportSections(const CalculationState& state);

}  // namespace horavela
