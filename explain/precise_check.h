#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"

// The program's own theories of the Moon, the ascendant and the panchang
// against Swiss Ephemeris at one moment: where the precise positions name an
// element otherwise, the user is told, with the verdict the precise chart
// would give.
namespace horavela {

// Apparent tropical longitudes, degrees 0..360, by Swiss Ephemeris.
struct PrecisePositions {
  double moon = 0;
  double sun = 0;
  double ascendant = 0;
};

// The positions at a universal time for a place (latitude north positive,
// longitude east positive); nothing when the library cannot give them.
std::optional<PrecisePositions> PrecisePositionsAt(double julianDayUt, double latitude,
                                                   double eastLongitude);

// Replaces the election moment's nakshatra, Moon sign, lagna, tithi, yoga and
// karana in `state` (charts computed) by those of `precise`, each made
// sidereal with the ayanamsa the program's own theory of that element uses.
// The strengths and the rule set are left to be run again.
void SubstitutePreciseElements(CalculationState& state, const PrecisePositions& precise);

// One sentence for each element the two evaluated states name differently,
// with the verdict `precise` reads.
std::vector<std::string> PreciseCheckSentences(const CalculationState& program,
                                               const CalculationState& precise);

// The sentences for `input` judged with `election` as its moment and on the
// input's weekday, as evaluate judges it; the planets come from `ephemeris`. None when Swiss
// Ephemeris cannot give the positions.
std::vector<std::string> PreciseCheckWarnings(const EvaluationInput& input,
                                              const MomentEntry& election,
                                              PlanetEphemeris& ephemeris);

}  // namespace horavela
