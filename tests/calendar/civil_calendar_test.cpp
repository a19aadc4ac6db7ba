#include "calendar/civil_calendar.h"

#include <gtest/gtest.h>

#include <string_view>

namespace horavela {
namespace {

// Day numbers and weekdays of dates at the calendar's edges: the program's
// years 1901..2050, the leap rules of centuries, the Unix epoch. Day numbers
// from the Unix time of each date's midnight UTC (`date -u -d ... +%s` / 86400).
struct DateRow {
  int year, month, day;
  std::int64_t days;
  std::string_view weekday;
};
constexpr DateRow kDates[] = {
    {1970, 1, 1, 0, "Thursday"},        {1969, 12, 31, -1, "Wednesday"},
    {1901, 1, 1, -25202, "Tuesday"},    {1900, 3, 1, -25508, "Thursday"},
    {1900, 2, 28, -25509, "Wednesday"}, {2000, 2, 29, 11016, "Tuesday"},
    {2000, 3, 1, 11017, "Wednesday"},   {2024, 2, 29, 19782, "Thursday"},
    {2050, 12, 31, 29584, "Saturday"},  {1600, 1, 1, -135140, "Saturday"},
};

TEST(CivilCalendar, DayNumbersAndWeekdaysOfKnownDates) {
  for (const DateRow& row : kDates) {
    SCOPED_TRACE(testing::Message() << row.year << "-" << row.month << "-" << row.day);
    EXPECT_EQ(DaysFromCivil(row.year, row.month, row.day), row.days);
    EXPECT_EQ(WeekdayOfDate(row.year, row.month, row.day), row.weekday);
    const CivilDate back = CivilFromDays(row.days);
    EXPECT_EQ(back.year, row.year);
    EXPECT_EQ(back.month, row.month);
    EXPECT_EQ(back.day, row.day);
    // The date's first minute and second, and the last ones of the day before.
    EXPECT_EQ(DayOfMinute(row.days * 1440), row.days);
    EXPECT_EQ(DayOfMinute(row.days * 1440 - 1), row.days - 1);
    const CivilDateTime first = CivilFromSeconds(row.days * 86400);
    EXPECT_EQ(first.date.day, row.day);
    EXPECT_EQ(first.hour * 3600 + first.minute * 60 + first.second, 0);
    const CivilDateTime before = CivilFromSeconds(row.days * 86400 - 1);
    EXPECT_EQ(DaysFromCivil(before.date.year, before.date.month, before.date.day), row.days - 1);
    EXPECT_EQ(before.hour * 3600 + before.minute * 60 + before.second, 86399);
  }
}

TEST(CivilCalendar, EveryDayOfTheProgramsYearsGoesThereAndBack) {
  std::int64_t expected = DaysFromCivil(1900, 12, 31);
  int weekday = WeekdayIndex(expected);
  for (int year = 1901; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        ++expected;
        weekday = (weekday + 1) % 7;
        ASSERT_EQ(DaysFromCivil(year, month, day), expected) << year << "-" << month << "-" << day;
        ASSERT_EQ(WeekdayIndex(expected), weekday);
        const CivilDate back = CivilFromDays(expected);
        ASSERT_TRUE(back.year == year && back.month == month && back.day == day) << expected;
      }
    }
  }
}

// Months and days beyond their range roll into the neighbouring ones, as the
// weekday box expects of a date typed one step too far.
TEST(CivilCalendar, OutOfRangeMonthsAndDaysRollOver) {
  EXPECT_EQ(DaysFromCivil(2024, 13, 1), DaysFromCivil(2025, 1, 1));
  EXPECT_EQ(DaysFromCivil(2024, 0, 1), DaysFromCivil(2023, 12, 1));
  EXPECT_EQ(DaysFromCivil(2023, 2, 29), DaysFromCivil(2023, 3, 1));
  EXPECT_EQ(DaysFromCivil(2024, 3, 0), DaysFromCivil(2024, 2, 29));
}

// Century years are leap years only every fourth century; the day-by-day
// walk above relies on these month lengths.
TEST(CivilCalendar, CenturyLeapYearsAndImpossibleDates) {
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2025, 13), 0);
  EXPECT_FALSE(IsValidDate(2025, 4, 31));
  EXPECT_FALSE(IsValidDate(2023, 2, 29));
  EXPECT_TRUE(IsValidDate(2024, 2, 29));
}

}  // namespace
}  // namespace horavela
