#include "calendar/civil_calendar.h"

#include <cstdio>
#include <cstdlib>

namespace horavela {

const std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

const std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

std::int64_t FloorDiv(std::int64_t dividend, std::int64_t divisor) {
  return dividend / divisor - ((dividend % divisor != 0) && (dividend < 0));
}

CivilDateTime CivilFromSeconds(std::int64_t seconds) {
  const std::int64_t days = FloorDiv(seconds, 86400);
  const int ofDay = static_cast<int>(seconds - days * 86400);
  return {CivilFromDays(days), ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

std::int64_t DayOfMinute(std::int64_t minute) {
  return FloorDiv(minute, 1440);
}

// H. Hinnant's days-from-civil: years counted from 1 March, so the leap day
// closes the year, in eras of 400 years (146097 days).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  const std::int64_t months = year * 12 + (month - 1);
  std::int64_t y = FloorDiv(months, 12);
  const std::int64_t m = months - y * 12 + 1;  // 1..12
  y -= m <= 2;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2));
  return date;
}

int WeekdayIndex(std::int64_t daysFromEpoch) {
  // 1 January 1970 was a Thursday.
  return static_cast<int>(daysFromEpoch + 4 - 7 * FloorDiv(daysFromEpoch + 4, 7));
}

std::string_view WeekdayOfDate(int year, int month, int day) {
  return kWeekdayNames[static_cast<std::size_t>(WeekdayIndex(DaysFromCivil(year, month, day)))];
}

std::string FormatUtcOffset(int utcOffsetSeconds) {
  return "UTC" + FormatIsoOffset(utcOffsetSeconds);
}

std::string FormatIsoOffset(int utcOffsetSeconds) {
  const int minutes = std::abs(utcOffsetSeconds) / 60;
  char text[8];
  std::snprintf(text, sizeof text, "%c%02d:%02d", utcOffsetSeconds < 0 ? '-' : '+',
                minutes / 60 % 100, minutes % 60);
  return text;
}

int UtcOffsetOfZoneCaptions(int hours, int minutes, bool dst) {
  return -(hours * 3600 + minutes * 60) + (dst ? 3600 : 0);
}

}  // namespace horavela
