#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace horavela {

// A whole minute of local clock time at the election place.
struct LocalMinute {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  auto operator<=>(const LocalMinute&) const = default;
};

// Minutes since 1970-01-01 00:00 on the same clock (proleptic Gregorian), and back.
std::int64_t MinuteIndex(const LocalMinute& minute);
LocalMinute FromMinuteIndex(std::int64_t index);

// "2025-01-03T07:12".
std::string FormatLocalMinute(const LocalMinute& minute);

// "02:30 on 10 March 2024", as messages name a moment.
std::string ClockMomentText(const LocalMinute& minute);

}  // namespace horavela
