#pragma once

#include <vector>

class QGridLayout;
class QWidget;
class QString;
class QTableWidget;

namespace horavela {
struct CalculationState;
struct ChartBody;
}  // namespace horavela

namespace horavela::app {

// A small table "Planets" (tblPlanets): the seven planets of the election
// moment with their sidereal positions, then Rahu, Ketu and the lagna, and the
// nakshatra of each; added as the last row of a details page's grid of
// captions and values.
QTableWidget* AddPlanetTable(QGridLayout* detailsGrid);

// The same table standing alone, named `objectName`.
QTableWidget* NewPlanetTable(QWidget* parent, const char* objectName);

// Writes the positions of `state` (Sun to Saturn, e.g. "05 Cpr 42"); empty
// when the ephemeris gave none.
void FillPlanetTable(QTableWidget* table, const CalculationState& state);

// Writes what the chart of the same moment adds: the positions of Rahu, Ketu
// and the lagna, and every body's nakshatra and pada; with no chart, clears
// them. `All` writes the seven planets' positions from the chart as well, for
// a table with no evaluation behind it.
enum class ChartRows { Added, All };
void FillChartBodies(QTableWidget* table, const std::vector<ChartBody>& chart,
                     ChartRows rows = ChartRows::Added);

// "05 Cpr 42": degrees and minutes within the sign of a sidereal longitude.
QString PositionText(double longitude);

}  // namespace horavela::app
