#pragma once

#include <libical/ical.h>

#include <cstdint>

#include "atlas/local_minute.h"
#include "ics/calendar_place.h"

namespace horavela {

// The clock of a calendar's place: which instant a local minute names, and
// how an instant is written in an event.
class EventClock {
 public:
  // Keeps a reference to `place`, which must outlive the clock.
  explicit EventClock(const ZonedPlace& place) : place_(place) {}

  // Seconds since 1970-01-01 00:00 UTC. A repeated minute is the run its
  // offset names (its first where none is named); on a tz zone a skipped
  // one lies after the gap, as the finder takes them; otherwise the captions
  // give the offset.
  std::int64_t UtcSeconds(const LocalMinute& minute) const;

  // DTSTART or DTEND (`kind`) at an instant: the zone's wall time with its
  // TZID where that wall time occurs once and names this instant, otherwise
  // UTC (a time in a repeated or skipped hour).
  icalproperty* TimeProperty(icalproperty_kind kind, std::int64_t utcSeconds) const;

 private:
  bool WallTimeIsExact(std::int64_t utcSeconds) const;

  const ZonedPlace& place_;
};

// A civil time with no zone, from seconds since 1970-01-01 00:00 on its clock.
icaltimetype FloatingTime(std::int64_t seconds);
// The same instant marked as UTC.
icaltimetype UtcTime(std::int64_t utcSeconds);

}  // namespace horavela
