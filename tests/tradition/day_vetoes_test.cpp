// The vetoes of a civil date: its minutes on the place's clock, and the
// periods in force on it.
#include "tradition/day_vetoes.h"

#include <gtest/gtest.h>

#include "support/moments_and_places.h"
#include "vetoes_at_new_delhi.h"

namespace horavela {
namespace {

// A date is its clock's minutes: 1440 on an ordinary day, 1380 on the day the
// clocks spring forward, 1500 on the day they fall back.
TEST(CivilDayMinutes, RunFromMidnightToTheNextDatesMidnight) {
  const PlaceClock newYork(testing::NewYork(), testing::ZoneNamed(testing::kNewYorkZone));
  const struct {
    int year, month, day;
    std::int64_t minutes;
  } rows[] = {{2026, 1, 1, 1440}, {2026, 3, 8, 1380}, {2026, 11, 1, 1500}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.month);
    const CivilDayMinutes day = MinutesOfCivilDay(newYork, row.year, row.month, row.day);
    EXPECT_EQ(day.last - day.first + 1, row.minutes);
    EXPECT_EQ(newYork.At(day.first).local, (LocalMinute{row.year, row.month, row.day, 0, 0}));
    EXPECT_EQ(newYork.At(day.last).local.hour, 23);
    EXPECT_EQ(newYork.At(day.last).local.minute, 59);
  }
}

// 1 January 2026 lies inside the Kharmas of 16 December to 14 January; 1
// February has none of it, whatever else it holds.
TEST(VetoPeriodsOnDay, NameThePeriodsInForceThatDate) {
  const testing::VetoesAtNewDelhi delhi;
  const auto hasKharmas = [&](int month, int day) {
    for (const VetoPeriod& p : VetoPeriodsOnDay(delhi.clock(), 2026, month, day, SwissEphemeris()))
      if (p.veto == Veto::Kharmas) return true;
    return false;
  };
  EXPECT_TRUE(hasKharmas(1, 1));
  EXPECT_TRUE(hasKharmas(1, 14));  // the day of Makara Sankranti, until 15:06
  EXPECT_FALSE(hasKharmas(1, 15));
  EXPECT_FALSE(hasKharmas(2, 1));
}

}  // namespace
}  // namespace horavela
