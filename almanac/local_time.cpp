#include <cstdio>
#include <tuple>

#include "almanac/day_at_a_glance.h"
#include "calendar/civil_calendar.h"

namespace horavela {

std::strong_ordering LocalTime::operator<=>(const LocalTime& other) const {
  return std::tie(year, month, day, hour, minute, second) <=>
         std::tie(other.year, other.month, other.day, other.hour, other.minute, other.second);
}

std::string FormatLocalTime(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year % 10000,
                time.month % 100, time.day % 100, time.hour % 100, time.minute % 100,
                time.second % 100);
  return text;
}

std::string FormatLocalTimeWithOffset(const LocalTime& time) {
  if (!time.utcOffsetSeconds) return FormatLocalTime(time);
  return FormatLocalTime(time) + FormatIsoOffset(*time.utcOffsetSeconds);
}

}  // namespace horavela
