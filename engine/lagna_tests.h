#pragma once

#include <cstdint>

#include "engine/calculation_state.h"

namespace horavela {

// Signs stepped forward from the birth lagna to the election lagna (chart
// slot 4 of both charts): next sign 1, opposite 6, same sign 12.
void CountFromBirthLagna(const CalculationState& state, std::int16_t& count);

// The table lagna of the election date and clock time and the sign tenth
// from it (reads state.Moment; writes state.Lagna). No planet is read.
void ComputeMuhurthaLagna(CalculationState& state);

// The table's minute count of a moment (1..1440: the month's start, four a
// day, then the clock), by which ComputeMuhurthaLagna finds the rising sign;
// -1 for a month out of range. Within one civil day it runs with the clock.
long MuhurthaLagnaCount(const MomentInput& moment);

// The first count above `count` at which another sign begins to rise, beyond
// 1440 when that is Mesha of the next turn.
double NextRisingSignCount(double count);

// 1..12 for the table lagna from Mesha, 0 before ComputeMuhurthaLagna found one.
int MuhurthaLagnaNumber(const LagnaTestState& lagna);

// The planets in the sign tenth from the table lagna, Sun first; run after
// ComputeMuhurthaLagna. Reads the planets.
void FindPlanetsInTenth(CalculationState& state);

// Whether Jupiter stands in the table lagna, and whether nine signs from it
// either way; run after ComputeMuhurthaLagna. Both read Jupiter.
void CheckJupiterInLagna(CalculationState& state);
void CheckJupiterInNinth(CalculationState& state);

}  // namespace horavela
