#include "tradition/calendar_vetoes.h"

#include <algorithm>

#include "tradition/festival_vetoes.h"
#include "tradition/lunar_months.h"
#include "tradition/minute_sky.h"
#include "tradition/panchaka.h"
#include "tradition/solar_vetoes.h"

namespace horavela {

std::vector<VetoPeriod> CalendarVetoPeriods(const PlaceClock& clock, std::int64_t first,
                                            std::int64_t last, PlanetEphemeris& ephemeris,
                                            const VetoOptions& options) {
  if (first > last) return {};
  MinuteSky sky(clock, ephemeris, options.settings);
  const std::vector<LunarMonth> months =
      LunarMonths(sky, first - kFestivalReachMinutes, last + kFestivalReachMinutes);
  std::vector<VetoPeriod> periods = KharmasAndMalmas(sky, first, last);
  for (std::vector<VetoPeriod> more :
       {AdhikaAndKshayaMasas(sky, months, first, last), Chaturmas(sky, months, first, last),
        Holashtak(sky, months, first, last), PitruPaksha(sky, months, first, last, options.months),
        Panchakas(sky, first, last)})
    periods.insert(periods.end(), more.begin(), more.end());
  std::stable_sort(periods.begin(), periods.end(),
                   [](const VetoPeriod& a, const VetoPeriod& b) { return a.first < b.first; });
  return periods;
}

}  // namespace horavela
