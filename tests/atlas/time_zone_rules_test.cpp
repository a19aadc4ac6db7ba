#include "atlas/time_zone_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

TimeZoneRules Zone(const char* name) {
  std::string error;
  auto rules = TimeZoneRules::Load(name, &error);
  EXPECT_TRUE(rules.has_value()) << error;
  return *rules;
}

// Offsets in force at a local date and time, against the historical record of
// the tz database (offsets in minutes east of Greenwich).
TEST(TimeZoneRules, HistoricalOffsetsAtLocalTimes) {
  struct Row {
    const char* zone;
    int year, month, day, hour, minute;
    int offsetMinutes;
    bool dst;
    int captionHours, captionMinutes;
    bool captionDst;
    const char* note;
  };
  const Row rows[] = {
      {"Asia/Kolkata", 1943, 6, 1, 12, 0, 390, true, -5, -30, true, "war time +6:30"},
      {"Asia/Kolkata", 1990, 6, 1, 12, 0, 330, false, -5, -30, false, "IST"},
      {"America/New_York", 1970, 7, 1, 12, 0, -240, true, 5, 0, true, "EDT"},
      {"America/New_York", 1970, 1, 1, 12, 0, -300, false, 5, 0, false, "EST"},
      {"Europe/London", 1970, 1, 1, 12, 0, 60, false, -1, 0, false, "British Standard Time"},
      {"Europe/London", 1941, 7, 1, 12, 0, 120, true, -2, 0, false, "double summer time"},
      {"Asia/Kathmandu", 2000, 6, 1, 12, 0, 345, false, -5, -45, false, "Nepal +5:45"},
      {"Australia/Sydney", 2020, 1, 15, 12, 0, 660, true, -10, 0, true, "AEDT"},
      {"Australia/Sydney", 2020, 7, 15, 12, 0, 600, false, -10, 0, false, "AEST"},
      {"Europe/Madrid", 2021, 1, 15, 12, 0, 60, false, -1, 0, false, "CET"},
      {"America/New_York", 2045, 7, 1, 12, 0, -240, true, 5, 0, true, "beyond the table"},
      {"America/New_York", 2045, 12, 1, 12, 0, -300, false, 5, 0, false, "beyond the table"},
  };
  for (const Row& row : rows) {
    const TimeZoneRules zone = Zone(row.zone);
    const LocalTimeOffsets local = zone.AtLocal(row.year, row.month, row.day, row.hour, row.minute);
    ASSERT_EQ(local.kind, LocalTimeKind::Unique) << row.note;
    EXPECT_EQ(local.offset.utcOffsetSeconds, row.offsetMinutes * 60) << row.note;
    EXPECT_EQ(local.offset.dst, row.dst) << row.note;
    const ZoneCaptions captions = CaptionsForOffset(local.offset);
    EXPECT_EQ(captions.hours, row.captionHours) << row.note;
    EXPECT_EQ(captions.minutes, row.captionMinutes) << row.note;
    EXPECT_EQ(captions.dst, row.captionDst) << row.note;
    // Whatever the captions say, universal time = local + zone - DST hour.
    const int utcFromCaptions = -(captions.hours * 60 + captions.minutes) + (captions.dst ? 60 : 0);
    EXPECT_EQ(utcFromCaptions, row.offsetMinutes) << row.note;
  }
}

TEST(TimeZoneRules, SpringForwardSkipsAndFallBackRepeats) {
  const TimeZoneRules newYork = Zone("America/New_York");
  // 10 March 2024: 02:00 EST became 03:00 EDT.
  const LocalTimeOffsets skipped = newYork.AtLocal(2024, 3, 10, 2, 30);
  EXPECT_EQ(skipped.kind, LocalTimeKind::Skipped);
  EXPECT_EQ(skipped.offset.utcOffsetSeconds, -5 * 3600);
  EXPECT_EQ(skipped.other.utcOffsetSeconds, -4 * 3600);
  EXPECT_EQ(newYork.AtLocal(2024, 3, 10, 1, 59).kind, LocalTimeKind::Unique);
  EXPECT_EQ(newYork.AtLocal(2024, 3, 10, 3, 0).kind, LocalTimeKind::Unique);
  // 3 November 2024: 02:00 EDT became 01:00 EST; 01:30 happened twice.
  const LocalTimeOffsets repeated = newYork.AtLocal(2024, 11, 3, 1, 30);
  EXPECT_EQ(repeated.kind, LocalTimeKind::Repeated);
  EXPECT_EQ(repeated.offset.utcOffsetSeconds, -4 * 3600);
  EXPECT_EQ(repeated.other.utcOffsetSeconds, -5 * 3600);
  EXPECT_EQ(newYork.AtLocal(2024, 11, 3, 2, 0).kind, LocalTimeKind::Unique);
  // The same in a year the file's transition table no longer covers.
  EXPECT_EQ(newYork.AtLocal(2049, 3, 14, 2, 30).kind, LocalTimeKind::Skipped);
  EXPECT_EQ(newYork.AtLocal(2049, 11, 7, 1, 30).kind, LocalTimeKind::Repeated);
}

TEST(TimeZoneRules, UnknownAndUnsafeNamesAreRefused) {
  for (const char* name : {"Mars/Olympus_Mons", "America", "../../etc/passwd", "/etc/passwd", ""}) {
    std::string error;
    EXPECT_FALSE(TimeZoneRules::Load(name, &error).has_value()) << name;
    EXPECT_NE(error.find("time zone"), std::string::npos) << name;
  }
  std::string error;
  EXPECT_FALSE(TimeZoneRules::FromTzif("x", "TZif2 truncated", &error).has_value());
  EXPECT_FALSE(error.empty());
}

TEST(FormatUtcOffset, SignAndMinutes) {
  EXPECT_EQ(FormatUtcOffset(19800), "UTC+05:30");
  EXPECT_EQ(FormatUtcOffset(-12600), "UTC-03:30");
  EXPECT_EQ(FormatUtcOffset(0), "UTC+00:00");
  EXPECT_EQ(FormatUtcOffset(20700), "UTC+05:45");
}

}  // namespace
}  // namespace horavela
