#pragma once

#include <cstdint>
#include <vector>

#include "atlas/time_zone_rules.h"
#include "ics/ical_handles.h"

namespace horavela {

// One change of a zone's offset: the first second of the new offset.
struct ZoneChange {
  std::int64_t utcSeconds = 0;
  ZoneOffset before;
  ZoneOffset after;
};

// The changes of `rules` after `fromUtc` up to and including `toUtc`, in
// order. The zone is sampled every six hours and each change narrowed to its
// second: no zone has changed its clocks twice within six hours.
std::vector<ZoneChange> ZoneChanges(const TimeZoneRules& rules, std::int64_t fromUtc,
                                    std::int64_t toUtc);

// The VTIMEZONE of `rules` for events between two instants: an observance
// for the offset in force at `fromUtc` (from the change that began it, when
// that lies within the year before, so that readers see its real onset),
// then a STANDARD or DAYLIGHT observance for each change up to `toUtc`.
IcalComponentPtr ZoneComponent(const TimeZoneRules& rules, std::int64_t fromUtc,
                               std::int64_t toUtc);

}  // namespace horavela
