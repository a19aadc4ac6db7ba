#include "tradition/veto_day.h"

namespace horavela {

std::vector<VetoPeriod> VetoPeriodsOnDay(const PlaceClock& clock, int year, int month, int day,
                                         PlanetEphemeris& ephemeris, const VetoOptions& options) {
  const std::int64_t first = clock.UniversalOf({year, month, day, 0, 0}, PlaceClock::Run::First);
  const std::int64_t last = clock.UniversalOf({year, month, day, 23, 59}, PlaceClock::Run::Last);
  if (first > last) return {};
  return VetoPeriodsOver(clock, first, last, ephemeris, options);
}

}  // namespace horavela
