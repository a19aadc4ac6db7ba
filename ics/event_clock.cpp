#include "ics/event_clock.h"

#include "calendar/civil_calendar.h"

namespace horavela {

std::int64_t EventClock::UtcSeconds(const LocalMinute& minute) const {
  const std::int64_t local = MinuteIndex(minute) * 60;
  // A minute the clocks repeat names its run by the offset then in force.
  if (minute.repeated) return local - minute.repeated->utcOffsetSeconds;
  if (!place_.zone) {
    const PlaceEntry& p = place_.place;
    return local - UtcOffsetOfZoneCaptions(p.zoneHours, p.zoneMinutes, p.dst);
  }
  const LocalTimeOffsets offsets =
      place_.zone->AtLocal(minute.year, minute.month, minute.day, minute.hour, minute.minute);
  return local - offsets.offset.utcOffsetSeconds;
}

bool EventClock::WallTimeIsExact(std::int64_t utcSeconds) const {
  const ZoneOffset offset = place_.zone->AtUtc(utcSeconds);
  const std::int64_t wall = utcSeconds + offset.utcOffsetSeconds;
  const LocalMinute minute = FromMinuteIndex(FloorDiv(wall, 60));
  const LocalTimeOffsets offsets =
      place_.zone->AtLocal(minute.year, minute.month, minute.day, minute.hour, minute.minute);
  // Readers differ on which occurrence of a repeated wall time they take
  // (libical takes the later one): such an instant is written in UTC.
  return offsets.kind == LocalTimeKind::Unique &&
         offsets.offset.utcOffsetSeconds == offset.utcOffsetSeconds;
}

icalproperty* EventClock::TimeProperty(icalproperty_kind kind, std::int64_t utcSeconds) const {
  const bool zoned = place_.zone && WallTimeIsExact(utcSeconds);
  const icaltimetype time =
      zoned ? FloatingTime(utcSeconds + place_.zone->AtUtc(utcSeconds).utcOffsetSeconds)
            : UtcTime(utcSeconds);
  icalproperty* property =
      kind == ICAL_DTEND_PROPERTY ? icalproperty_new_dtend(time) : icalproperty_new_dtstart(time);
  if (zoned)
    icalproperty_add_parameter(property, icalparameter_new_tzid(place_.zone->name().c_str()));
  return property;
}

icaltimetype FloatingTime(std::int64_t seconds) {
  const CivilDateTime clock = CivilFromSeconds(seconds);
  icaltimetype time = icaltime_null_time();
  time.year = clock.date.year;
  time.month = clock.date.month;
  time.day = clock.date.day;
  time.hour = clock.hour;
  time.minute = clock.minute;
  time.second = clock.second;
  return time;
}

icaltimetype UtcTime(std::int64_t utcSeconds) {
  icaltimetype time = FloatingTime(utcSeconds);
  time.zone = icaltimezone_get_utc_timezone();
  return time;
}

}  // namespace horavela
