#pragma once

class QGridLayout;
class QTableWidget;

namespace horavela {
struct CalculationState;
}

namespace horavela::app {

// A small table "Planets" (tblPlanets): the seven planets of the election
// moment with their sidereal positions, added as the last row of a details
// page's grid of captions and values.
QTableWidget* AddPlanetTable(QGridLayout* detailsGrid);

// Writes the positions of `state` (Sun to Saturn, e.g. "05 Cpr 42"); empty
// when the ephemeris gave none.
void FillPlanetTable(QTableWidget* table, const CalculationState& state);

}  // namespace horavela::app
