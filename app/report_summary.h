#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "app/chart_drawing.h"
#include "engine/calculation_state.h"

class QTextDocument;

namespace horavela::app {

// What the closing page of the printed report shows besides the factors:
// the chart of the election moment, drawn as the user draws it on the Day tab.
struct SummaryChart {
  std::vector<ChartBody> bodies;
  ChartDrawing::Style style = ChartDrawing::Style::SouthIndian;
  QString caption;
};

// The report as it is printed and saved as PDF: a copy of `report` closed by
// one more page that sums `state` up, the factor table (factor, verdict,
// points, then the total) above the chart. A rule set that stopped at its
// year precondition has nothing to sum up: the copy is then the report alone.
std::unique_ptr<QTextDocument> ReportWithSummary(const QTextDocument& report,
                                                 const CalculationState& state,
                                                 const SummaryChart& chart);

}  // namespace horavela::app
