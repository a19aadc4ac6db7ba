#include "explain/suggested_minute.h"

#include <algorithm>

namespace horavela {

std::int64_t SuggestedUniversalMinute(std::int64_t first, std::int64_t last, std::int64_t wanted) {
  const std::int64_t margin = WidestPrecisionMargin();
  // The change that opens the window falls on its first minute and counts
  // as near until `margin` minutes have passed; the change that closes it
  // falls on the minute after its last and counts as near from `margin`
  // minutes before.
  const std::int64_t earliest = first + margin;
  const std::int64_t latest = last - margin;
  if (earliest > latest) return first + (last - first) / 2;
  return std::clamp(wanted, earliest, latest);
}

LocalMinute SuggestedMinute(const PlaceClock& clock, const LocalMinute& first,
                            const LocalMinute& last, const LocalMinute& wanted) {
  using Run = PlaceClock::Run;
  const std::int64_t minute = SuggestedUniversalMinute(clock.UniversalOf(first, Run::First),
                                                       clock.UniversalOf(last, Run::Last),
                                                       clock.UniversalOf(wanted, Run::First));
  return clock.At(minute).local;
}

}  // namespace horavela
