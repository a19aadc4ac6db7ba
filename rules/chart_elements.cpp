#include "rules/chart_elements.h"

#include <algorithm>

namespace horavela {

static_assert([] {
  for (int i = 0; i < static_cast<int>(std::size(kChartElements)); ++i)
    if (static_cast<int>(kChartElements[i].element) != i) return false;
  return true;
}());

const ChartElementFacts* FactsNamed(std::string_view name) {
  for (const ChartElementFacts& facts : kChartElements)
    if (facts.name == name) return &facts;
  return nullptr;
}

int WidestPrecisionMargin() {
  int widest = 0;
  for (const ChartElementFacts& facts : kChartElements)
    widest = std::max(widest, facts.precisionMinutes);
  return widest;
}

}  // namespace horavela
