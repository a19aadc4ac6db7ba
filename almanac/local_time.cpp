#include <cstdio>
#include <tuple>

#include "almanac/day_at_a_glance.h"
#include "calendar/civil_calendar.h"

namespace horavela {

std::strong_ordering LocalTime::operator<=>(const LocalTime& other) const {
  const bool secondRun = repeated && repeated->second;
  const bool otherSecondRun = other.repeated && other.repeated->second;
  return std::tie(year, month, day, hour, minute, second, secondRun) <=>
         std::tie(other.year, other.month, other.day, other.hour, other.minute, other.second,
                  otherSecondRun);
}

std::string FormatLocalTime(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year % 10000,
                time.month % 100, time.day % 100, time.hour % 100, time.minute % 100,
                time.second % 100);
  if (time.repeated) return text + FormatIsoOffset(time.repeated->utcOffsetSeconds);
  return text;
}

std::string FormatLocalTimeWithOffset(const LocalTime& time) {
  // A repeated time already carries the offset of its run.
  if (!time.utcOffsetSeconds || time.repeated) return FormatLocalTime(time);
  return FormatLocalTime(time) + FormatIsoOffset(*time.utcOffsetSeconds);
}

std::string FormatDayTime(const LocalTime& time, bool clockChanges) {
  return clockChanges ? FormatLocalTimeWithOffset(time) : FormatLocalTime(time);
}

}  // namespace horavela
