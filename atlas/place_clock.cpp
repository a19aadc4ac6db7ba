#include "atlas/place_clock.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "atlas/zone_following.h"
#include "calendar/civil_calendar.h"
#include "engine/crossing_search.h"

namespace horavela {

namespace {

// How far either side of an instant a zone's other offsets are looked for:
// no change of daylight saving moves the clock by more; a place that moved
// across the date line (Apia on 30 December 2011) skipped a whole day.
constexpr int kLookHours = 3;
constexpr int kDateLineHours = 26;

LocalMinute Clock(const LocalMinute& minute) {
  LocalMinute clock = minute;
  clock.repeated.reset();
  return clock;
}

}  // namespace

int OffsetSecondsOf(const ZoneAtMinute& zone) {
  return UtcOffsetOfZoneCaptions(zone.hours, zone.minutes, zone.dst);
}

FollowedZone Follow(const TimeZoneRules& rules) {
  return std::make_shared<const TimeZoneRules>(rules);
}

PlaceClock::PlaceClock(const PlaceEntry& place, FollowedZone zone)
    : place_(place), zone_(std::move(zone)) {}

PlaceClock::PlaceClock(const ZonedPlace& where) : PlaceClock(where.place, where.zone) {}

ZoneAtMinute PlaceClock::ZoneAt(const LocalMinute& minute) const {
  if (zone_) return ZoneOnRules(*zone_, Clock(minute));
  return {place_.zoneHours, place_.zoneMinutes, place_.dst, true, false, {}};
}

ZoneAtMinute PlaceClock::ZoneInForce(const LocalMinute& minute) const {
  if (minute.repeated) return At(UniversalOf(minute, Run::First)).zone;
  return ZoneAt(minute);
}

MomentEntry MomentOf(const LocalMinute& minute, const PlaceEntry& place) {
  MomentEntry entry;
  entry.year = static_cast<std::int16_t>(minute.year);
  entry.month = static_cast<std::int16_t>(minute.month);
  entry.day = static_cast<std::int16_t>(minute.day);
  entry.hour = static_cast<std::int16_t>(minute.hour);
  entry.minute = static_cast<std::int16_t>(minute.minute);
  entry.place = place;
  return entry;
}

MomentEntry MomentOf(const LocalMinute& minute, const PlaceEntry& place, const ZoneAtMinute& zone) {
  MomentEntry entry = MomentOf(minute, place);
  entry.place.zoneHours = zone.hours;
  entry.place.zoneMinutes = zone.minutes;
  entry.place.dst = zone.dst;
  return entry;
}

MomentEntry PlaceClock::EntryAt(std::int64_t universal) const {
  const Reading reading = At(universal);
  return MomentOf(reading.local, place_, reading.zone);
}

MomentEntry PlaceClock::EntryAt(std::int64_t universal, int& offsetSeconds) const {
  const Reading reading = At(universal, offsetSeconds);
  offsetSeconds = OffsetSecondsOf(reading.zone);
  return MomentOf(reading.local, place_, reading.zone);
}

MomentEntry PlaceClock::EntryOf(const LocalMinute& minute) const {
  return MomentOf(minute, place_, ZoneInForce(minute));
}

namespace {

PlaceClock::Reading ReadingOf(std::int64_t universal, const ZoneAtMinute& zone, bool second) {
  const int offset = OffsetSecondsOf(zone);
  PlaceClock::Reading read{FromMinuteIndex(universal + offset / 60), zone};
  if (zone.repeated || second) read.local.repeated = ClockRun{offset, second, zone.abbreviation};
  read.zone.repeated = zone.repeated || second;
  return read;
}

}  // namespace

PlaceClock::Reading PlaceClock::At(std::int64_t universal, int likelyOffsetSeconds) const {
  if (!zone_) return At(universal);
  const ZoneAtMinute there = ZoneAt(FromMinuteIndex(universal + likelyOffsetSeconds / 60));
  if (there.exists && OffsetSecondsOf(there) == likelyOffsetSeconds)
    return ReadingOf(universal, there, false);
  return At(universal);
}

PlaceClock::Reading PlaceClock::At(std::int64_t universal) const {
  // A fixed zone reads the same at every local minute: no need to find one.
  if (!zone_) return ReadingOf(universal, ZoneAt({}), false);
  // The zone answers for local minutes: try the offsets it gives a few hours
  // either side and keep the one that reads back to itself.
  const ZoneAtMinute guess = ZoneAt(FromMinuteIndex(universal));
  const ZoneAtMinute there = ZoneAt(FromMinuteIndex(universal + OffsetSecondsOf(guess) / 60));
  if (there.exists && OffsetSecondsOf(there) == OffsetSecondsOf(guess))
    return ReadingOf(universal, there, false);
  std::vector<ZoneAtMinute> tried;
  for (const int reach : {kLookHours, kDateLineHours}) {
    for (int hours = -reach; hours <= reach; ++hours) {
      const ZoneAtMinute zone =
          ZoneAt(FromMinuteIndex(universal + OffsetSecondsOf(guess) / 60 + hours * 60));
      const ZoneAtMinute back = ZoneAt(FromMinuteIndex(universal + OffsetSecondsOf(zone) / 60));
      if (back.exists && OffsetSecondsOf(back) == OffsetSecondsOf(zone))
        return ReadingOf(universal, back, false);
      if (reach == kLookHours) tried.push_back(zone);
    }
  }
  // Only an instant of a repeated hour's second run reads back on no offset:
  // the zone names the first run's for those minutes. The second runs on
  // the smaller offset, the one the clocks went back to.
  const auto later = std::min_element(tried.begin(), tried.end(),
                                      [](const ZoneAtMinute& a, const ZoneAtMinute& b) {
                                        return OffsetSecondsOf(a) < OffsetSecondsOf(b);
                                      });
  ZoneAtMinute zone = *later;
  zone.exists = true;
  return ReadingOf(universal, zone, true);
}

std::int64_t PlaceClock::UniversalOf(const LocalMinute& minute, Run run) const {
  const std::int64_t clock = MinuteIndex(minute);
  if (minute.repeated) return clock - minute.repeated->utcOffsetSeconds / 60;
  const ZoneAtMinute zone = ZoneAt(minute);
  const std::int64_t first = clock - OffsetSecondsOf(zone) / 60;
  if (!zone.exists) {
    // Skipped: the first real minute whose clock reads later, found between
    // an instant that reads earlier and `first`, which reads later.
    auto readsLater = [&](std::int64_t universal) {
      return MinuteIndex(At(universal).local) > clock;
    };
    const std::int64_t after =
        Bisect(first - kLookHours * 60, false, first, true, readsLater, std::equal_to<bool>(),
               [](bool, bool) { return std::numeric_limits<double>::quiet_NaN(); })
            .minute;
    return run == Run::First ? after : after - 1;
  }
  if (run == Run::First || !zone.repeated) return first;
  // The later run: on an offset the clock shows within a few hours after.
  std::int64_t last = first;
  for (int quarter = 1; quarter <= 4 * kLookHours; ++quarter) {
    const Reading later = At(first + quarter * 15);
    const std::int64_t candidate = clock - OffsetSecondsOf(later.zone) / 60;
    if (candidate > last && Clock(At(candidate).local) == Clock(minute)) last = candidate;
  }
  return last;
}

std::int64_t PlaceClock::UniversalOnOffset(const LocalMinute& minute, int utcOffsetSeconds) const {
  const std::int64_t candidate = MinuteIndex(minute) - utcOffsetSeconds / 60;
  const Reading read = At(candidate);
  if (Clock(read.local) == Clock(minute)) return candidate;
  return UniversalOf(minute, Run::First);
}

}  // namespace horavela
