#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The proleptic Gregorian calendar of the input pages, the report and the
// atlas: one set of date arithmetic and names for the whole program.
namespace horavela {

bool IsLeapYear(int year);
// Days in the month, 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// Whether the civil date exists (no 31 April, no 29 February in a common year).
bool IsValidDate(int year, int month, int day);

// Quotient rounded toward minus infinity; `divisor` must be positive.
std::int64_t FloorDiv(std::int64_t dividend, std::int64_t divisor);

// Days since 1970-01-01 of a date, and back. Months outside 1..12 roll into
// the neighbouring years, days outside the month into the neighbouring months.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day);
struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;
};
CivilDate CivilFromDays(std::int64_t days);

// A clock second counted from 1970-01-01 00:00 (on any clock: universal or
// local), split into its date and time of day; earlier seconds count back.
struct CivilDateTime {
  CivilDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
CivilDateTime CivilFromSeconds(std::int64_t seconds);
// The day (since 1970-01-01, earlier ones negative) of a minute so counted.
std::int64_t DayOfMinute(std::int64_t minute);

// "UTC+05:30", "UTC-04:00": an offset east of Greenwich positive, as people write it.
std::string FormatUtcOffset(int utcOffsetSeconds);
// "+05:30", "-05:00": the same offset as ISO 8601 appends it to a clock time,
// which tells the two passes of an hour repeated when the clocks go back apart.
std::string FormatIsoOffset(int utcOffsetSeconds);

// The offset from Greenwich of a place's zone captions: hours and minutes
// signed west of Greenwich positive (India -5, -30), one hour less west when
// daylight saving is in force. East of Greenwich positive, in seconds.
int UtcOffsetOfZoneCaptions(int hours, int minutes, bool dst);

extern const std::array<std::string_view, 7> kWeekdayNames;  // Sunday first
// 0 for Sunday .. 6 for Saturday.
int WeekdayIndex(std::int64_t daysFromEpoch);
// Weekday name of a civil date.
std::string_view WeekdayOfDate(int year, int month, int day);

extern const std::array<std::string_view, 12> kMonthNames;  // January first

}  // namespace horavela
