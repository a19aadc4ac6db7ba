#pragma once

#include <cstdint>

#include "engine/evaluation_input.h"
#include "search/local_minute.h"
#include "search/muhurta_finder.h"

namespace horavela {

// The clock at a place, between its local minutes and the universal clock
// (minutes since 1970-01-01 00:00 UT): on the place's zone captions, or on
// `zoneAt` minute by minute. A universal minute always has one local minute;
// a local minute may have none (the clocks skipped it) or two (they went
// back), so a search walks universal minutes and names each by its local one.
class PlaceClock {
 public:
  PlaceClock(const PlaceEntry& place, ZoneProvider zoneAt);

  // The captions in force at a local minute (its first run's where repeated).
  ZoneAtMinute ZoneAt(const LocalMinute& minute) const;

  struct Reading {
    LocalMinute local;  // `repeated` set where the clocks ran through it twice
    ZoneAtMinute zone;  // the captions in force, those of the run it is in
  };
  Reading At(std::int64_t universalMinute) const;
  // The same, trying `likelyOffsetSeconds` first (the offset of a minute
  // near by): one look at the zone where it holds.
  Reading At(std::int64_t universalMinute, int likelyOffsetSeconds) const;

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
  ZoneProvider zoneAt_;
};

// The offset east of Greenwich, in seconds, of zone captions.
int OffsetSecondsOf(const ZoneAtMinute& zone);

}  // namespace horavela
