#pragma once

#include <cstdint>

#include "almanac/day_at_a_glance.h"

// The local clock of a day's place: its zone captions, or its tz zone minute
// by minute, between local clock time and the universal clock.
namespace horavela {

// Seconds since 1970-01-01 00:00 on the local clock, and back.
std::int64_t LocalClockSeconds(const LocalTime& time);
LocalTime LocalTimeAt(std::int64_t localClockSeconds);

// The universal clock (seconds since 1970) of a local clock second, on the
// offset in force at its minute.
std::int64_t UniversalOfLocal(const DayRequest& request, std::int64_t localClockSeconds);

// The local clock second of a universal one. Where the clocks went back, an
// instant in the repeated hour's second run reads on the later offset.
std::int64_t LocalOfUniversal(const DayRequest& request, std::int64_t universalSeconds);

// The same as a clock time that carries its offset.
LocalTime LocalTimeOfUniversal(const DayRequest& request, std::int64_t universalSeconds);

// The universal clock of a clock time: on its own offset where it carries
// one, else on the offset in force at its minute.
std::int64_t UniversalOf(const DayRequest& request, const LocalTime& time);

}  // namespace horavela
