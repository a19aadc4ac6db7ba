#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"
#include "language/wording.h"

// The Moon, the ascendant and the panchang of the ephemeris in use against
// those of the other one at one moment (Swiss Ephemeris against the program's
// own theories, or the other way round): where the other names an element
// otherwise, the user is told, with the verdict its chart would give.
namespace horavela {

// Replaces the election moment's nakshatra, Moon sign, lagna, tithi, yoga and
// karana in `state` (charts computed) by those of `precise`, each made
// sidereal with the ayanamsa the program's own theory of that element uses.
// The strengths and the rule set are left to be run again.
void SubstitutePreciseElements(CalculationState& state, const PrecisePositions& precise);

// One sentence for each element the two evaluated states name differently,
// with the verdict `precise` reads; `checkedAgainst` says who computed
// `precise` ("Swiss Ephemeris").
std::vector<std::string> PreciseCheckSentences(const CalculationState& program,
                                               const CalculationState& precise,
                                               std::string_view checkedAgainst = "Swiss Ephemeris");
// The same sentences as said, for any language.
std::vector<Wording> PreciseCheckWordings(const CalculationState& program,
                                          const CalculationState& precise,
                                          std::string_view checkedAgainst = "Swiss Ephemeris");

// The sentences for `input` judged with `election` as its moment and on the
// input's weekday, as evaluate judges it, against the ephemeris its settings
// do not use; the planets come from `ephemeris`. None when Swiss Ephemeris
// cannot give the positions.
std::vector<std::string> PreciseCheckWarnings(const EvaluationInput& input,
                                              const MomentEntry& election,
                                              PlanetEphemeris& ephemeris);
std::vector<Wording> PreciseCheckWarningWordings(const EvaluationInput& input,
                                                 const MomentEntry& election,
                                                 PlanetEphemeris& ephemeris);

}  // namespace horavela
