#pragma once

#include <array>
#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

extern const std::array<std::string_view, 27> kNakshatraNames;
extern const std::array<std::string_view, 27> kNakshatraLords;
// Moon-sign names by sidereal sign 0..11 (Scorpio "Vrishcika", Sagittarius "Dhanush").
extern const std::array<std::string_view, 12> kRashiNames;
extern const std::array<std::string_view, 12> kRashiLords;

// The sidereal Moon of state.Moment; writes state.Time (J2000 centuries) and state.Moon.
void CalcMoon(CalculationState& state);

}  // namespace horavela
