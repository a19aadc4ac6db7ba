#pragma once

#include <cstdint>

#include "atlas/local_minute.h"
#include "atlas/place_clock.h"
#include "rules/chart_elements.h"

// Where in a window of minutes to put a moment the program suggests: a
// window's edges are where an element of the chart changes, and the
// program's theories place those changes only within their precision margin
// of a precise ephemeris. A suggestion on an edge would be doubted at once.
namespace horavela {

// Away from both edges by the widest precision margin of the elements
// (WidestPrecisionMargin), a suggestion stands whichever element makes them.

// The real minute of the window `first`..`last` (universal minutes, `last`
// its last) nearest to `wanted` that lies at least WidestPrecisionMargin()
// minutes from both edges; the window's middle minute when it is too short.
// Real minutes, so that a window across a change of the clocks is measured
// by the time that passes in it.
std::int64_t SuggestedUniversalMinute(std::int64_t first, std::int64_t last, std::int64_t wanted);

// The same for a window named by its local minutes on `clock`, each taken on
// the run of a repeated hour it names.
LocalMinute SuggestedMinute(const PlaceClock& clock, const LocalMinute& first,
                            const LocalMinute& last, const LocalMinute& wanted);

}  // namespace horavela
