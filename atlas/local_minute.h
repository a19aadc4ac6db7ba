#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace horavela {

// A tz zone's short name for an offset, "EST" or "AEDT", NUL-padded; empty
// where it has none.
using ZoneAbbreviation = std::array<char, 8>;
ZoneAbbreviation AbbreviationOf(std::string_view name);

// Which run of a clock minute it is, where the clocks went back and ran
// through it twice.
struct ClockRun {
  int utcOffsetSeconds = 0;         // east of Greenwich, in force during this run
  bool second = false;              // the run after the clocks went back
  ZoneAbbreviation abbreviation{};  // "EST", where the zone names its offsets
  auto operator<=>(const ClockRun&) const = default;
};

// A whole minute of local clock time at the election place.
struct LocalMinute {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  // Set only for a minute the clocks ran through twice; the first run sorts first.
  std::optional<ClockRun> repeated = std::nullopt;
  auto operator<=>(const LocalMinute&) const = default;
};

// Minutes since 1970-01-01 00:00 on the same clock (proleptic Gregorian), and back.
std::int64_t MinuteIndex(const LocalMinute& minute);
LocalMinute FromMinuteIndex(std::int64_t index);

// "2025-01-03T07:12"; in an hour the clocks repeat, with the offset of its
// run appended: "2024-11-03T01:09-05:00".
std::string FormatLocalMinute(const LocalMinute& minute);

// "", or " EST" (the zone's name for the run's offset) after a clock time
// the clocks repeat, as the screen tells the two runs apart; " (first)" and
// " (second)" where the zone names its offsets by number only ("-03").
std::string ClockRunText(const std::optional<ClockRun>& repeated);

// "02:30 on 10 March 2024", as messages name a moment.
std::string ClockMomentText(const LocalMinute& minute);

}  // namespace horavela
