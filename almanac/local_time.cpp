#include <cstdio>

#include "almanac/day_at_a_glance.h"
#include "calendar/civil_calendar.h"

namespace horavela {

std::string FormatLocalTime(const LocalTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.year % 10000,
                time.month % 100, time.day % 100, time.hour % 100, time.minute % 100,
                time.second % 100);
  if (time.repeated) return text + FormatIsoOffset(time.repeated->utcOffsetSeconds);
  return text;
}

}  // namespace horavela
