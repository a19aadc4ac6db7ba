#include "almanac/zone_in_force.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "atlas/time_zone_rules.h"
#include "atlas/zone_following.h"

namespace horavela {
namespace {

DayRequest Following(const char* tz) {
  DayRequest request;
  std::string error;
  const std::optional<TimeZoneRules> rules = TimeZoneRules::Load(tz, &error);
  EXPECT_TRUE(rules) << error;
  if (rules) request.zone = Follow(*rules);
  return request;
}

DayRequest NewYork() {
  return Following("America/New_York");
}

std::int64_t Utc(int year, int month, int day, int hour, int minute, int second = 0) {
  return LocalClockSeconds({year, month, day, hour, minute, second});
}

// New York's clocks in 2024: forward at 02:00 EST on 10 March, back at
// 02:00 EDT on 3 November.
TEST(ZoneInForceTest, UniversalInstantsReadOnTheClockInForce) {
  struct Row {
    std::int64_t universal;
    std::string local;
  };
  const std::vector<Row> rows = {
      {Utc(2024, 3, 10, 6, 59, 59), "2024-03-10T01:59:59"},
      {Utc(2024, 3, 10, 7, 0), "2024-03-10T03:00:00"},
      {Utc(2024, 7, 4, 12, 0), "2024-07-04T08:00:00"},
      {Utc(2024, 11, 3, 5, 30), "2024-11-03T01:30:00"},  // the repeated hour, first run
      {Utc(2024, 11, 3, 6, 30), "2024-11-03T01:30:00"},  // and its second run
      {Utc(2024, 11, 3, 7, 30), "2024-11-03T02:30:00"},
  };
  const DayRequest request = NewYork();
  for (const Row& row : rows) {
    EXPECT_EQ(FormatLocalTime(LocalTimeAt(LocalOfUniversal(request, row.universal))), row.local);
  }
}

// Clocks that jumped a whole date as their place moved across the date line:
// Apia from 29 December 2011 at UTC-10 to the 31st at UTC+14, Kiritimati
// from 30 December 1994 at UTC-10 to 1 January 1995 at UTC+14.
TEST(ZoneInForceTest, InstantsAroundASkippedDateReadOnTheOffsetInForce) {
  struct Row {
    const char* tz;
    std::int64_t universal;
    std::string local;
  };
  const std::vector<Row> rows = {
      {"Pacific/Apia", Utc(2011, 12, 30, 9, 59, 59), "2011-12-29T23:59:59-10:00"},
      {"Pacific/Apia", Utc(2011, 12, 30, 10, 0), "2011-12-31T00:00:00+14:00"},
      {"Pacific/Apia", Utc(2011, 12, 30, 17, 1, 18), "2011-12-31T07:01:18+14:00"},
      {"Pacific/Kiritimati", Utc(1994, 12, 31, 16, 0), "1995-01-01T06:00:00+14:00"},
      {"America/New_York", Utc(2024, 11, 3, 6, 30), "2024-11-03T01:30:00-05:00"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FormatLocalTimeWithOffset(LocalTimeOfUniversal(Following(row.tz), row.universal)),
              row.local)
        << row.tz;
  }
}

TEST(ZoneInForceTest, LocalMidnightsOnEitherSideOfAChange) {
  const DayRequest request = NewYork();
  EXPECT_EQ(UniversalOfLocal(request, Utc(2024, 3, 10, 0, 0)), Utc(2024, 3, 10, 5, 0));
  EXPECT_EQ(UniversalOfLocal(request, Utc(2024, 3, 11, 0, 0)), Utc(2024, 3, 11, 4, 0));
  DayRequest fixed;
  fixed.place.zoneHours = -5;
  fixed.place.zoneMinutes = -30;
  EXPECT_EQ(UniversalOfLocal(fixed, Utc(2024, 3, 10, 0, 0)), Utc(2024, 3, 9, 18, 30));
  EXPECT_EQ(LocalOfUniversal(fixed, Utc(2024, 3, 9, 18, 30)), Utc(2024, 3, 10, 0, 0));
}

}  // namespace
}  // namespace horavela
