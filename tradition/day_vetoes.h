#pragma once

#include <cstdint>
#include <vector>

#include "atlas/place_clock.h"
#include "engine/planet_ephemeris.h"
#include "tradition/veto.h"

// The vetoes of one civil date at a place: what a day view or a month
// calendar says about that date.
namespace horavela {

// The universal minutes a civil date's clock runs through at the place: from
// its midnight (the first minute after it where the clocks skipped it) to the
// minute before the next date's.
struct CivilDayMinutes {
  std::int64_t first = 0;
  std::int64_t last = 0;
};
CivilDayMinutes MinutesOfCivilDay(const PlaceClock& clock, int year, int month, int day);

// Every veto period of every kind in force at some minute of the date, whole.
std::vector<VetoPeriod> VetoPeriodsOnDay(const PlaceClock& clock, int year, int month, int day,
                                         PlanetEphemeris& ephemeris,
                                         const VetoOptions& options = {});

}  // namespace horavela
