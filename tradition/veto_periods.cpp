#include <algorithm>

#include "tradition/calendar_vetoes.h"
#include "tradition/veto.h"

namespace horavela {

std::vector<VetoPeriod> VetoPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last, PlanetEphemeris& ephemeris,
                                        const VetoOptions& options) {
  std::vector<VetoPeriod> periods = CalendarVetoPeriods(clock, first, last, ephemeris, options);
  std::stable_sort(periods.begin(), periods.end(),
                   [](const VetoPeriod& a, const VetoPeriod& b) { return a.first < b.first; });
  return periods;
}

}  // namespace horavela
