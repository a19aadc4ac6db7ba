#include "explain/suggested_minute.h"

#include <gtest/gtest.h>

#include "explain/explanation.h"

namespace horavela {
namespace {

// Minutes from 10:00 on one day.
LocalMinute At(int minutes) {
  return FromMinuteIndex(MinuteIndex({2024, 11, 14, 10, 0}) + minutes);
}

TEST(SuggestedMinute, StandsTheWidestMarginFromBothEdgesOrInTheMiddle) {
  // The Moon's star and sign carry the widest margin of the elements.
  ASSERT_EQ(WidestPrecisionMargin(), PrecisionMargin("Nakshatra"));
  ASSERT_EQ(WidestPrecisionMargin(), 5);
  const struct {
    const char* name;
    int first, last, wanted, expected;
  } rows[] = {
      {"a long window from its start", 0, 340, 0, 5},
      {"a long window from its end", 0, 340, 340, 335},
      {"a minute already clear of both edges", 0, 340, 100, 100},
      {"a moment before the window", 0, 340, -60, 5},
      {"exactly long enough", 0, 10, 0, 5},
      {"one minute too short: the middle", 0, 9, 0, 4},
      {"a short window: the middle", 0, 6, 6, 3},
      {"a single minute", 0, 0, 0, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatLocalMinute(SuggestedMinute(At(row.first), At(row.last), At(row.wanted))),
              FormatLocalMinute(At(row.expected)))
        << row.name;
  }
}

}  // namespace
}  // namespace horavela
