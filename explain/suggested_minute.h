#pragma once

#include "search/local_minute.h"

// Where in a window of minutes to put a moment the program suggests: a
// window's edges are where an element of the chart changes, and the
// program's theories place those changes only within their precision margin
// of a precise ephemeris. A suggestion on an edge would be doubted at once.
namespace horavela {

// The widest precision margin of the elements, in minutes: away from both
// edges by that much, a suggestion stands whichever element makes them.
int WidestPrecisionMargin();

// The minute of the window `first`..`last` (its last minute) nearest to
// `wanted` that lies at least WidestPrecisionMargin() minutes from both
// edges; the window's middle minute when it is too short for that.
LocalMinute SuggestedMinute(const LocalMinute& first, const LocalMinute& last,
                            const LocalMinute& wanted);

}  // namespace horavela
