#include "almanac/zone_in_force.h"

#include <algorithm>
#include <vector>

#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

LocalMinute MinuteOf(std::int64_t localClockSeconds) {
  return FromMinuteIndex(FloorDiv(localClockSeconds, 60));
}

int OffsetSecondsAt(const DayRequest& request, std::int64_t localClockSeconds) {
  const ZoneAtMinute zone = ZoneInForce(request, MinuteOf(localClockSeconds));
  return UtcOffsetOfZoneCaptions(zone.hours, zone.minutes, zone.dst);
}

constexpr int kDaylightSavingReach = 3;
constexpr int kDateLineReach = 26;

// The distinct offsets the zone gives to local minutes within `reachHours`
// of the instant read on the offset of its own reading as a local time.
std::vector<int> OffsetsAround(const DayRequest& request, std::int64_t universalSeconds,
                               int reachHours) {
  std::vector<int> offsets;
  const int first = OffsetSecondsAt(request, universalSeconds);
  for (int hours = -reachHours; hours <= reachHours; ++hours) {
    const int offset = OffsetSecondsAt(request, universalSeconds + first + hours * 3600);
    if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
      offsets.push_back(offset);
  }
  return offsets;
}

}  // namespace

std::int64_t LocalClockSeconds(const LocalTime& time) {
  return DaysFromCivil(time.year, time.month, time.day) * 86400 + time.hour * 3600 +
         time.minute * 60 + time.second;
}

LocalTime LocalTimeAt(std::int64_t localClockSeconds) {
  const std::int64_t days = FloorDiv(localClockSeconds, 86400);
  const int ofDay = static_cast<int>(localClockSeconds - days * 86400);
  const CivilDate date = CivilFromDays(days);
  return {date.year, date.month, date.day, ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

ZoneAtMinute ZoneInForce(const DayRequest& request, const LocalMinute& minute) {
  if (request.zoneAt) return request.zoneAt(minute);
  return {request.place.zoneHours, request.place.zoneMinutes, request.place.dst, true};
}

std::int64_t UniversalOfLocal(const DayRequest& request, std::int64_t localClockSeconds) {
  return localClockSeconds - OffsetSecondsAt(request, localClockSeconds);
}

std::int64_t LocalOfUniversal(const DayRequest& request, std::int64_t universalSeconds) {
  // The zone answers for local minutes only: try the offsets it gives around
  // the instant and keep the one that reads back to itself. A few hours
  // either side find a change of daylight saving; a day and more a date the
  // clocks skipped or repeated as the place moved across the date line.
  std::vector<int> offsets;
  for (const int reachHours : {kDaylightSavingReach, kDateLineReach}) {
    offsets = OffsetsAround(request, universalSeconds, reachHours);
    for (const int offset : offsets) {
      const std::int64_t local = universalSeconds + offset;
      const ZoneAtMinute zone = ZoneInForce(request, MinuteOf(local));
      if (zone.exists && UtcOffsetOfZoneCaptions(zone.hours, zone.minutes, zone.dst) == offset)
        return local;
    }
  }
  // Only an instant of a repeated hour's second run reads back on no offset:
  // the zone names the earlier run's for those minutes.
  return universalSeconds + *std::min_element(offsets.begin(), offsets.end());
}

LocalTime LocalTimeOfUniversal(const DayRequest& request, std::int64_t universalSeconds) {
  const std::int64_t local = LocalOfUniversal(request, universalSeconds);
  LocalTime time = LocalTimeAt(local);
  time.utcOffsetSeconds = static_cast<int>(local - universalSeconds);
  return time;
}

std::int64_t UniversalOf(const DayRequest& request, const LocalTime& time) {
  const std::int64_t local = LocalClockSeconds(time);
  if (time.utcOffsetSeconds) return local - *time.utcOffsetSeconds;
  return UniversalOfLocal(request, local);
}

}  // namespace horavela
