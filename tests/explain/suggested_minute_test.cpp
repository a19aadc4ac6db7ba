#include "explain/suggested_minute.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "atlas/time_zone_rules.h"
#include "atlas/zone_following.h"
#include "explain/explanation.h"

namespace horavela {
namespace {

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
  const std::int64_t base = 29'000'000;  // any real minute
  for (const auto& row : rows) {
    EXPECT_EQ(SuggestedUniversalMinute(base + row.first, base + row.last, base + row.wanted),
              base + row.expected)
        << row.name;
  }
}

// A window across the spring gap is measured in the time that passes in it:
// at New York on 8 March 2026 the clocks went from 01:59 EST to 03:00 EDT.
TEST(SuggestedMinute, AcrossTheSpringGapCountsRealMinutes) {
  std::string error;
  const std::optional<TimeZoneRules> rules = TimeZoneRules::Load("America/New_York", &error);
  ASSERT_TRUE(rules) << error;
  PlaceEntry place;
  const PlaceClock clock(place, Follow(*rules));
  const struct {
    const char* name;
    LocalMinute first, last, expected;
  } rows[] = {
      {"twenty real minutes: five in",
       {2026, 3, 8, 1, 50},
       {2026, 3, 8, 3, 9},
       {2026, 3, 8, 1, 55}},
      {"four real minutes: the middle",
       {2026, 3, 8, 1, 58},
       {2026, 3, 8, 3, 1},
       {2026, 3, 8, 1, 59}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatLocalMinute(SuggestedMinute(clock, row.first, row.last, row.first)),
              FormatLocalMinute(row.expected))
        << row.name;
  }
}

}  // namespace
}  // namespace horavela
