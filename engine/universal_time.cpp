#include "engine/universal_time.h"

#include "calendar/civil_calendar.h"

namespace horavela {

std::int64_t UniversalSeconds(const MomentEntry& moment) {
  const std::int64_t local = DaysFromCivil(moment.year, moment.month, moment.day) * 86400 +
                             moment.hour * 3600 + moment.minute * 60 + moment.second;
  const PlaceEntry& p = moment.place;
  return local - UtcOffsetOfZoneCaptions(p.zoneHours, p.zoneMinutes, p.dst);
}

}  // namespace horavela
