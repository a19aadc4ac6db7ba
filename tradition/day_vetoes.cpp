#include "tradition/day_vetoes.h"

#include <algorithm>

namespace horavela {

CivilDayMinutes MinutesOfCivilDay(const PlaceClock& clock, int year, int month, int day) {
  const LocalMinute midnight{year, month, day, 0, 0};
  const LocalMinute nextMidnight = FromMinuteIndex(MinuteIndex(midnight) + 24 * 60);
  const std::int64_t first = clock.UniversalOf(midnight, PlaceClock::Run::First);
  const std::int64_t next = clock.UniversalOf(nextMidnight, PlaceClock::Run::First);
  return {first, std::max(first, next - 1)};
}

std::vector<VetoPeriod> VetoPeriodsOnDay(const PlaceClock& clock, int year, int month, int day,
                                         PlanetEphemeris& ephemeris, const VetoOptions& options) {
  const CivilDayMinutes minutes = MinutesOfCivilDay(clock, year, month, day);
  return VetoPeriodsOver(clock, minutes.first, minutes.last, ephemeris, options);
}

}  // namespace horavela
