#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "atlas/time_zone_rules.h"
#include "engine/evaluation_input.h"

namespace horavela {

// The zone a moment was calculated with when its request named a tz-database
// zone: the captions and DST box written for it and the offset in force.
struct ZoneUsed {
  ZoneCaptions captions;
  std::string timeZone;
  int utcOffsetSeconds = 0;  // east of Greenwich positive
};

// The rules of the zone named in the field `field` ("election.tz"); throws
// RequestError naming the field when the zone is unknown or its file damaged.
TimeZoneRules LoadTimeZone(const std::string& name, const std::string& field);

// Writes into moment.place the zone captions and DST box in force at the
// moment's local date and time. A clock time that a spring-forward change
// skipped, or that a fall-back change ran through twice, is refused with a
// RequestError naming `path` ("birth"), the time and the zone: shifting it
// silently would move the chart by an hour. A zone found beyond the hours a
// typed zone may have is refused the same way.
ZoneUsed ApplyTimeZone(const TimeZoneRules& rules, MomentEntry& moment, const std::string& path);

// {"hours", "minutes", "dst", "time_zone", "utc_offset"}
nlohmann::ordered_json ZoneUsedJson(const ZoneUsed& zone);

}  // namespace horavela
