#pragma once

#include "engine/calculation_state.h"

namespace horavela {

// Each test reads the election chart (and, where stated, the weekday box) and
// writes its own output in state.Yogas.
void CheckSiddhaYoga(CalculationState& state);           // weekday box and tithi group
void CheckSarvarthaSiddhaYoga(CalculationState& state);  // weekday box and nakshatra
void CheckAmritaSiddhiYoga(CalculationState& state);     // also writes YogaWarning
void CheckDvipushkarYoga(CalculationState& state);
void CheckTripushkarYoga(CalculationState& state);
void CheckMrityuYoga(CalculationState& state);
void CheckDagdhaYoga(CalculationState& state);
void CheckYamaghataYoga(CalculationState& state);
// Hindu solar month of the election date in state.Moment.
void ComputeHinduMonth(CalculationState& state);

}  // namespace horavela
