#pragma once

#include <optional>
#include <string>

#include "atlas/local_minute.h"
#include "atlas/place_clock.h"
#include "atlas/time_zone_rules.h"
#include "engine/evaluation_input.h"
#include "engine/problem.h"

namespace horavela {

// The zone at a clock minute of a place that follows `rules`. A skipped clock
// minute does not exist; a repeated one answers with its first run's offset
// and says it is repeated (PlaceClock finds the second run).
ZoneAtMinute ZoneOnRules(const TimeZoneRules& rules, const LocalMinute& minute);

// A place that follows `rules` over [from, to] must lie within 14 hours of
// Greenwich, as a typed zone must, at both ends of the range; otherwise the
// problem, named `path`.tz.
std::optional<Problem> CheckZoneOverRange(const TimeZoneRules& rules, const PlaceEntry& place,
                                          const LocalMinute& from, const LocalMinute& to,
                                          const std::string& path);

// "place.tz: Test/Far gives UTC+20:00 at 00:00 on 9 March 2024, but
// place.zone.hours must be ...": the offset `rules` gave at `local` failed the
// check a typed zone passes (`problem`).
Problem ResolvedZoneProblem(const TimeZoneRules& rules, int utcOffsetSeconds,
                            const LocalMinute& local, const std::string& path,
                            const Problem& problem);

}  // namespace horavela
