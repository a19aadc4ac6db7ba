#include "json/time_zone_entry.h"

#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>

#include "atlas/local_minute.h"
#include "atlas/zone_following.h"
#include "calendar/civil_calendar.h"
#include "engine/input_check.h"
#include "json/json_reader.h"

namespace horavela {

namespace {

// A clock change moves the clocks by hours, once by a whole day (Samoa,
// December 2011); no gap or overlap is longer than this.
constexpr std::int64_t kLongestClockChange = 2 * 1440;

std::string ClockText(const LocalMinute& minute) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minute.hour % 100, minute.minute % 100);
  return text;
}

LocalMinute ToLocalMinute(const MomentEntry& moment) {
  return {moment.year, moment.month, moment.day, moment.hour, moment.minute};
}

bool IsSkipped(const TimeZoneRules& rules, std::int64_t index) {
  const LocalMinute m = FromMinuteIndex(index);
  return rules.AtLocal(m.year, m.month, m.day, m.hour, m.minute).kind == LocalTimeKind::Skipped;
}

// "clocks went from 02:00 to 03:00": the first skipped clock minute and the
// first one after the gap, found by walking out of the gap both ways.
std::string GapText(const TimeZoneRules& rules, const LocalMinute& skipped) {
  const std::int64_t index = MinuteIndex(skipped);
  std::int64_t first = index;
  while (index - first < kLongestClockChange && IsSkipped(rules, first - 1)) --first;
  std::int64_t after = index + 1;
  while (after - index < kLongestClockChange && IsSkipped(rules, after)) ++after;
  const LocalMinute from = FromMinuteIndex(first);
  const LocalMinute to = FromMinuteIndex(after);
  const bool sameDay = from.year == to.year && from.month == to.month && from.day == to.day;
  return "clocks went from " + (sameDay ? ClockText(from) : ClockMomentText(from)) + " to " +
         (sameDay ? ClockText(to) : ClockMomentText(to));
}

// "UTC-04:00 (EDT, daylight saving)"
std::string OffsetText(const ZoneOffset& offset) {
  std::string text = FormatUtcOffset(offset.utcOffsetSeconds);
  std::string notes = offset.abbreviation;
  if (offset.dst) notes += std::string(notes.empty() ? "" : ", ") + "daylight saving";
  return notes.empty() ? text : text + " (" + notes + ")";
}

// "zone 5, 0 with dst true": what to type for one of the two occurrences.
std::string CaptionsText(const ZoneOffset& offset) {
  const ZoneCaptions captions = CaptionsForOffset(offset);
  return "zone " + std::to_string(captions.hours) + ", " + std::to_string(captions.minutes) +
         " with dst " + (captions.dst ? "true" : "false");
}

}  // namespace

TimeZoneRules LoadTimeZone(const std::string& name, const std::string& field) {
  Result<TimeZoneRules> rules = TimeZoneRules::Load(name);
  if (!rules && rules.error().rule == Rule::Storage)
    throw RequestError(field + ": " + rules.error().message);
  if (!rules) {
    throw RequestError(field + ": " + rules.error().message +
                       " (give a tz-database name such as \"Asia/Kolkata\" or "
                       "\"America/New_York\")");
  }
  return std::move(*rules);
}

ZoneUsed ApplyTimeZone(const TimeZoneRules& rules, MomentEntry& moment, const std::string& path) {
  const LocalMinute local = ToLocalMinute(moment);
  const LocalTimeOffsets offsets =
      rules.AtLocal(local.year, local.month, local.day, local.hour, local.minute);
  const std::string where = path + ": " + ClockMomentText(local);
  if (offsets.kind == LocalTimeKind::Skipped) {
    throw RequestError(where + " does not exist in " + rules.name() + " (" + GapText(rules, local) +
                       ")");
  }
  if (offsets.kind == LocalTimeKind::Repeated) {
    throw RequestError(where + " occurs twice in " + rules.name() + ", first at " +
                       OffsetText(offsets.offset) + ", then at " + OffsetText(offsets.other) +
                       " after the clocks went back; give \"zone\" and \"dst\" explicitly "
                       "instead of \"tz\" (" +
                       CaptionsText(offsets.offset) + " for the first, " +
                       CaptionsText(offsets.other) + " for the second)");
  }
  ZoneUsed used;
  used.captions = CaptionsForOffset(offsets.offset);
  used.timeZone = rules.name();
  used.utcOffsetSeconds = offsets.offset.utcOffsetSeconds;
  moment.place.zoneHours = used.captions.hours;
  moment.place.zoneMinutes = used.captions.minutes;
  moment.place.dst = used.captions.dst;
  // The zone found must pass the check a typed zone passes.
  if (const Result<void> checked = CheckMoment(moment, path); !checked)
    throw RequestError(
        ResolvedZoneProblem(rules, used.utcOffsetSeconds, local, path, checked.error()));
  return used;
}

nlohmann::ordered_json ZoneUsedJson(const ZoneUsed& zone) {
  nlohmann::ordered_json json;
  json["hours"] = zone.captions.hours;
  json["minutes"] = zone.captions.minutes;
  json["dst"] = zone.captions.dst;
  json["time_zone"] = zone.timeZone;
  json["utc_offset"] = FormatUtcOffset(zone.utcOffsetSeconds);
  return json;
}

}  // namespace horavela
