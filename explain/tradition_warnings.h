#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"
#include "language/wording.h"

namespace horavela {

// What the tradition says of the moment beside the program's verdict, in
// sentences: each veto the undertaking observes in force at the universal
// minute `moment` with its span and reason, and the panchanga shuddhi of
// the evaluated `state` (which limbs fail, or that all pass), with a plain word where the classical
// tithis and the rule set's tithi factor disagree.
std::vector<Wording> TraditionWarnings(const CalculationState& state, const PlaceClock& clock,
                                       std::int64_t moment, PlanetEphemeris& ephemeris);

}  // namespace horavela
