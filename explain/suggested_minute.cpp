#include "explain/suggested_minute.h"

#include <algorithm>

namespace horavela {

LocalMinute SuggestedMinute(const LocalMinute& first, const LocalMinute& last,
                            const LocalMinute& wanted) {
  const std::int64_t from = MinuteIndex(first);
  const std::int64_t to = MinuteIndex(last);
  const std::int64_t margin = WidestPrecisionMargin();
  // The change that opens the window falls on its first minute and counts
  // as near until `margin` minutes have passed; the change that closes it
  // falls on the minute after its last and counts as near from `margin`
  // minutes before.
  const std::int64_t earliest = from + margin;
  const std::int64_t latest = to - margin;
  if (earliest > latest) return FromMinuteIndex(from + (to - from) / 2);
  return FromMinuteIndex(std::clamp(MinuteIndex(wanted), earliest, latest));
}

}  // namespace horavela
