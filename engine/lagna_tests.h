#pragma once

#include <cstdint>

#include "engine/calculation_state.h"

namespace horavela {

// Signs stepped forward from the birth lagna to the election lagna (chart
// slot 4 of both charts): next sign 1, opposite 6, same sign 12.
void CountFromBirthLagna(const CalculationState& state, std::int16_t& count);

// The table lagna of the election date and clock time, the sign tenth from it,
// the planets placed there and whether Jupiter rises (reads state.Moment and
// state.Lagna.PlanetSigns; writes state.Lagna).
void ComputeMuhurthaLagna(CalculationState& state);

// Whether Jupiter stands nine signs from the table lagna; run after ComputeMuhurthaLagna.
void CheckJupiterInNinth(CalculationState& state);

}  // namespace horavela
