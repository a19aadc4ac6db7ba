#pragma once

#include "engine/calculation_state.h"

namespace horavela {

// Strength of the star from the two charts' nakshatras (slot 2).
void ComputeTaraBala(CalculationState& state);
// Strength of the Moon from the two charts' Moon signs (slot 0).
void ComputeChandraBala(CalculationState& state);

}  // namespace horavela
