#pragma once

#include <vector>

#include "atlas/place_clock.h"
#include "engine/planet_ephemeris.h"
#include "tradition/veto.h"

namespace horavela {

// The veto periods in force at some minute of a civil day at the clock's
// place (its first clock minute to its last, whatever the clocks do that
// day), each whole, in order of their first minutes. A day the clocks skip
// altogether has none.
std::vector<VetoPeriod> VetoPeriodsOnDay(const PlaceClock& clock, int year, int month, int day,
                                         PlanetEphemeris& ephemeris,
                                         const VetoOptions& options = {});

}  // namespace horavela
