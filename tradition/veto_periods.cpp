#include <algorithm>

#include "tradition/calendar_vetoes.h"
#include "tradition/eclipses.h"
#include "tradition/planet_asta.h"
#include "tradition/veto.h"

namespace horavela {

std::vector<VetoPeriod> VetoPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last, PlanetEphemeris& ephemeris,
                                        const VetoOptions& options) {
  std::vector<VetoPeriod> periods = CalendarVetoPeriods(clock, first, last, ephemeris, options);
  for (auto&& more : {AstaPeriodsOver(clock, first, last),
                      // The almanacs print no muhurta on the day of an eclipse seen
                      // at the place: the whole civil day is kept, its span named.
                      EclipsePeriodsOver(clock, first, last, EclipseReach::Day)})
    periods.insert(periods.end(), more.begin(), more.end());
  std::stable_sort(periods.begin(), periods.end(),
                   [](const VetoPeriod& a, const VetoPeriod& b) { return a.first < b.first; });
  return periods;
}

}  // namespace horavela
