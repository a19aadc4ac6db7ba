#include "almanac/zone_in_force.h"

#include "atlas/place_clock.h"
#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

LocalMinute MinuteOf(std::int64_t localClockSeconds) {
  return FromMinuteIndex(FloorDiv(localClockSeconds, 60));
}

int OffsetSecondsAt(const DayRequest& request, std::int64_t localClockSeconds) {
  const PlaceClock clock(request);
  return OffsetSecondsOf(clock.ZoneInForce(MinuteOf(localClockSeconds)));
}

}  // namespace

std::int64_t LocalClockSeconds(const LocalTime& time) {
  return DaysFromCivil(time.year, time.month, time.day) * 86400 + time.hour * 3600 +
         time.minute * 60 + time.second;
}

LocalTime LocalTimeAt(std::int64_t localClockSeconds) {
  const CivilDateTime clock = CivilFromSeconds(localClockSeconds);
  return {clock.date.year, clock.date.month, clock.date.day,
          clock.hour,      clock.minute,     clock.second};
}

std::int64_t UniversalOfLocal(const DayRequest& request, std::int64_t localClockSeconds) {
  return localClockSeconds - OffsetSecondsAt(request, localClockSeconds);
}

std::int64_t LocalOfUniversal(const DayRequest& request, std::int64_t universalSeconds) {
  return LocalTimeOfUniversal(request, universalSeconds).utcOffsetSeconds.value_or(0) +
         universalSeconds;
}

LocalTime LocalTimeOfUniversal(const DayRequest& request, std::int64_t universalSeconds) {
  // Offsets change on whole minutes: the clock of the minute holds for its seconds.
  const std::int64_t minute = FloorDiv(universalSeconds, 60);
  const PlaceClock::Reading reading = PlaceClock(request).At(minute);
  const std::int64_t local = MinuteIndex(reading.local) * 60 + (universalSeconds - minute * 60);
  LocalTime time = LocalTimeAt(local);
  time.utcOffsetSeconds = static_cast<int>(local - universalSeconds);
  time.repeated = reading.local.repeated;
  return time;
}

std::int64_t UniversalOf(const DayRequest& request, const LocalTime& time) {
  const std::int64_t local = LocalClockSeconds(time);
  if (time.utcOffsetSeconds) return local - *time.utcOffsetSeconds;
  return UniversalOfLocal(request, local);
}

}  // namespace horavela
