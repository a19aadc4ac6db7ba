#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace horavela {

// One row of the time zone picker: the list text and the two values it writes
// into the zone captions (the offset with its sign reversed: west of Greenwich
// positive; "+5.3" in a text means five and a half hours).
struct TimeZoneRow {
  std::string_view text;
  std::int16_t hours;
  std::int16_t minutes;
};

inline constexpr int kTimeZoneCount = 71;

// The 71 rows in list order. The texts are shown, never parsed.
extern const std::array<TimeZoneRow, kTimeZoneCount> kTimeZones;

}  // namespace horavela
