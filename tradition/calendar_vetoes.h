#pragma once

#include <cstdint>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/planet_ephemeris.h"
#include "tradition/veto.h"

namespace horavela {

// The vetoes of the calendar overlapping the universal minutes [first, last]
// at the clock's place, whole, in order of their first minutes: Kharmas and
// Malmas, adhika and kshaya masa, Chaturmas, Holashtak, Pitru Paksha (named
// by options.months) and Panchaka. The regional ones are listed whatever
// options.regional says: whether they are observed is the reader's choice.
std::vector<VetoPeriod> CalendarVetoPeriods(const PlaceClock& clock, std::int64_t first,
                                            std::int64_t last, PlanetEphemeris& ephemeris,
                                            const VetoOptions& options = {});

}  // namespace horavela
