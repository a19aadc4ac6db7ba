#pragma once

#include <cstdint>

#include "atlas/place_clock.h"
#include "support/moments_and_places.h"

namespace horavela::testing {

// The clock of a place that follows a tz-database zone.
inline PlaceClock ClockAt(const PlaceEntry& place, const char* zone) {
  return PlaceClock(place, ZoneNamed(zone));
}

// The universal minute of a local clock minute at the clock's place.
inline std::int64_t UniversalAt(const PlaceClock& clock, int year, int month, int day, int hour = 0,
                                int minute = 0) {
  return clock.UniversalOf({year, month, day, hour, minute}, PlaceClock::Run::First);
}

}  // namespace horavela::testing
