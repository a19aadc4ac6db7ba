#pragma once

#include <cstdint>
#include <memory>

#include "atlas/local_minute.h"
#include "atlas/time_zone_rules.h"
#include "engine/evaluation_input.h"

namespace horavela {

// The zone captions and DST box in force at a local minute, for places whose
// zone follows a tz-database zone; `exists` is false for a clock minute that
// a spring-forward change skipped, `repeated` true for one the clocks ran
// through twice (the captions are then its first run's).
struct ZoneAtMinute {
  std::int16_t hours = 0;    // signed, west of Greenwich positive
  std::int16_t minutes = 0;  // signed, west of Greenwich positive
  bool dst = false;
  bool exists = true;
  bool repeated = false;
  ZoneAbbreviation abbreviation{};  // the tz zone's name for the offset, where it has one
  bool operator==(const ZoneAtMinute&) const = default;
};

// A tz-database zone a place follows, shared: requests holding it are copied
// into every worker of a search.
using FollowedZone = std::shared_ptr<const TimeZoneRules>;
FollowedZone Follow(const TimeZoneRules& rules);

// A place and the clock it keeps: its own zone captions and DST box, or a
// tz-database zone followed minute by minute. Where a search, a day, an
// explanation and a calendar's events are.
struct ZonedPlace {
  PlaceEntry place;   // its zone captions and DST hold unless zone is set
  FollowedZone zone;  // optional: the zone it follows
  ZonedPlace& where() { return *this; }
  const ZonedPlace& where() const { return *this; }
};

// The clock at a place, between its local minutes and the universal clock
// (minutes since 1970-01-01 00:00 UT): on the place's zone captions, or on
// its tz-database zone minute by minute. A universal minute always has one local minute;
// a local minute may have none (the clocks skipped it) or two (they went
// back), so a search walks universal minutes and names each by its local one.
class PlaceClock {
 public:
  PlaceClock(const PlaceEntry& place, FollowedZone zone);
  explicit PlaceClock(const ZonedPlace& where);

  // The captions in force at a clock minute (its first run's where repeated).
  ZoneAtMinute ZoneAt(const LocalMinute& minute) const;
  // The same for a minute that may name its run of a repeated hour: that run's.
  ZoneAtMinute ZoneInForce(const LocalMinute& minute) const;

  struct Reading {
    LocalMinute local;  // `repeated` set where the clocks ran through it twice
    ZoneAtMinute zone;  // the captions in force, those of the run it is in
  };
  Reading At(std::int64_t universalMinute) const;
  // The same, trying `likelyOffsetSeconds` first (the offset of a minute
  // near by): one look at the zone where it holds.
  Reading At(std::int64_t universalMinute, int likelyOffsetSeconds) const;

  // The election moment a universal minute names: its local clock, and the
  // place with the captions in force (those of its run of a repeated hour).
  MomentEntry EntryAt(std::int64_t universalMinute) const;
  // The same, trying `offsetSeconds` first and leaving there the offset found:
  // for a walk over minutes close together.
  MomentEntry EntryAt(std::int64_t universalMinute, int& offsetSeconds) const;
  // The moment of a local minute on the captions in force at it.
  MomentEntry EntryOf(const LocalMinute& minute) const;

  // A local minute's universal minute: the run it names, else its first run
  // (`Run::First`) or its last. A skipped minute reads as the first minute
  // after the gap, or the last before it.
  enum class Run { First, Last };
  std::int64_t UniversalOf(const LocalMinute& minute, Run run) const;

  // The run of `minute` on which the clock reads `utcOffsetSeconds`, as typed
  // captions name one; its first run when none does.
  std::int64_t UniversalOnOffset(const LocalMinute& minute, int utcOffsetSeconds) const;

 private:
  PlaceEntry place_;
  FollowedZone zone_;
};

// The offset east of Greenwich, in seconds, of zone captions.
int OffsetSecondsOf(const ZoneAtMinute& zone);

// The moment a clock minute names at `place`, on the place's own captions.
MomentEntry MomentOf(const LocalMinute& minute, const PlaceEntry& place);
// The same on `zone`'s captions.
MomentEntry MomentOf(const LocalMinute& minute, const PlaceEntry& place, const ZoneAtMinute& zone);

}  // namespace horavela
