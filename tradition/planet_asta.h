#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "atlas/place_clock.h"
#include "tradition/veto.h"

// Guru asta and Shukra asta: Jupiter or Venus set in the Sun's glare. The
// almanacs reckon it by time at the horizon, not by an orb of longitude: the
// planet is set while it goes down too soon after the Sun in the evening
// and comes up too soon before it in the morning, the interval measured in
// degrees of time (1 degree = 4 minutes of sidereal time) at the place and
// compared with the planet's kalamsha.
namespace horavela {

// The planet's clearance of the Sun at the horizon of a latitude at a
// moment, in degrees of time: the larger of the interval by which it sets
// after the Sun (an evening star) and the interval by which it rises before
// it (a morning star), each from the bodies' oblique descensions or
// ascensions; negative where it does neither. `veto` is Veto::GuruAsta
// (Jupiter) or Veto::ShukraAsta (Venus). Nothing where Swiss Ephemeris fails.
std::optional<double> HorizonClearance(Veto veto, double julianDayUt, double latitudeDegrees);

// The kalamsha the planet's clearance must reach for it to be seen, degrees
// of time; `retrograde` as the planet moves at the moment.
double KalamshaOf(Veto veto, bool retrograde);

// The periods of Guru asta (`veto` Veto::GuruAsta) or Shukra asta
// (Veto::ShukraAsta) at the clock's place that overlap the universal minutes
// [first, last], whole and in order, each from its first minute in the glare
// to its last.
std::vector<VetoPeriod> AstaPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last, Veto veto);

// Both, in order of their first minutes.
std::vector<VetoPeriod> AstaPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last);

}  // namespace horavela
