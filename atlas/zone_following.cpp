#include "atlas/zone_following.h"

#include "engine/input_check.h"

namespace horavela {

ZoneAtMinute ZoneOnRules(const TimeZoneRules& rules, const LocalMinute& minute) {
  const LocalTimeOffsets offsets =
      rules.AtLocal(minute.year, minute.month, minute.day, minute.hour, minute.minute);
  // For a repeated minute `offset` is the earlier occurrence's.
  const ZoneCaptions captions = CaptionsForOffset(offsets.offset);
  return ZoneAtMinute{captions.hours,
                      captions.minutes,
                      captions.dst,
                      offsets.kind != LocalTimeKind::Skipped,
                      offsets.kind == LocalTimeKind::Repeated,
                      AbbreviationOf(offsets.offset.abbreviation)};
}

std::optional<Problem> CheckZoneOverRange(const TimeZoneRules& rules, const PlaceEntry& place,
                                          const LocalMinute& from, const LocalMinute& to,
                                          const std::string& path) {
  for (const LocalMinute& end : {from, to}) {
    const LocalTimeOffsets offsets =
        rules.AtLocal(end.year, end.month, end.day, end.hour, end.minute);
    const ZoneCaptions captions = CaptionsForOffset(offsets.offset);
    PlaceEntry zoned = place;
    zoned.zoneHours = captions.hours;
    zoned.zoneMinutes = captions.minutes;
    if (const std::optional<Problem> problem = CheckPlace(zoned, path))
      return ResolvedZoneProblem(rules, offsets.offset.utcOffsetSeconds, end, path, *problem);
  }
  return std::nullopt;
}

Problem ResolvedZoneProblem(const TimeZoneRules& rules, int utcOffsetSeconds,
                            const LocalMinute& local, const std::string& path,
                            const Problem& problem) {
  return Problem{path + ".tz",
                 rules.name() + " gives " + FormatUtcOffset(utcOffsetSeconds) + " at " +
                     ClockMomentText(local) + ", but " + problem.path + " " + problem.message,
                 problem.rule};
}

}  // namespace horavela
