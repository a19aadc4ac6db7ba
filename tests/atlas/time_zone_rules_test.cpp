#include "atlas/time_zone_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "atlas/tzif_file_builder.h"

namespace horavela {
namespace {

TimeZoneRules Zone(const char* name) {
  auto rules = TimeZoneRules::Load(name);
  EXPECT_TRUE(rules.has_value()) << rules.error().message;
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
    const Result<TimeZoneRules> rules = TimeZoneRules::Load(name);
    ASSERT_FALSE(rules.has_value()) << name;
    EXPECT_NE(rules.error().message.find("time zone"), std::string::npos) << name;
  }
  const Result<TimeZoneRules> truncated = TimeZoneRules::FromTzif("x", "TZif2 truncated");
  ASSERT_FALSE(truncated.has_value());
  EXPECT_FALSE(truncated.error().message.empty());
}

using testing_tzif::kTimeCountAt;
using testing_tzif::SmallZone;
using testing_tzif::TzifBytes;
using testing_tzif::TzifLayout;
using testing_tzif::WithCount;

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TzifLayout Changed(void (*change)(TzifLayout&)) {
  TzifLayout layout = SmallZone();
  change(layout);
  return layout;
}

std::string Cut(std::string bytes, std::size_t length) {
  return bytes.substr(0, length);
}

// Zone files as a damaged disk or a bad copy leaves them. Each is refused with
// a message naming the zone, or read; a file that is read answers queries.
TEST(TimeZoneRules, DamagedZoneFilesAreRefusedByName) {
  struct Row {
    const char* label;
    std::string bytes;
    const char* reason;  // nullptr: the file is read
  };
  const std::string small = TzifBytes(SmallZone());
  const Row rows[] = {
      {"a valid small file", small, nullptr},
      {"a first-version file without footer",
       TzifBytes(Changed([](TzifLayout& s) { s.version = '\0'; })), nullptr},
      {"no transitions and an empty footer", TzifBytes(Changed([](TzifLayout& s) {
         s.transitions.clear();
         s.transitionTypes.clear();
         s.footer = "";
       })),
       nullptr},
      {"no transitions and a footer that cannot be read", TzifBytes(Changed([](TzifLayout& s) {
         s.transitions.clear();
         s.transitionTypes.clear();
         s.footer = "bad";
       })),
       "its closing rule cannot be read"},
      {"daylight saving without dates", TzifBytes(Changed([](TzifLayout& s) {
         s.transitions.clear();
         s.transitionTypes.clear();
         s.footer = "EST5EDT";
       })),
       "its closing rule cannot be read"},
      {"a rule in month 13",
       TzifBytes(Changed([](TzifLayout& s) { s.footer = "EST5EDT,M13.2.0,M11.1.0"; })),
       "its closing rule cannot be read"},
      {"a rule 30 hours east", TzifBytes(Changed([](TzifLayout& s) { s.footer = "<+30>-30"; })),
       "its closing rule cannot be read"},
      {"an offset of 100000 seconds",
       TzifBytes(Changed([](TzifLayout& s) { s.types[1].utcOffset = 100000; })),
       "a local time type is 100000 seconds from UTC, more than 25 hours"},
      {"the most negative offset",
       TzifBytes(Changed([](TzifLayout& s) { s.types[0].utcOffset = INT32_MIN; })),
       "a local time type is -2147483648 seconds from UTC, more than 25 hours"},
      {"a daylight saving flag of 2", TzifBytes(Changed([](TzifLayout& s) { s.types[1].dst = 2; })),
       "a local time type has a daylight saving flag of 2"},
      {"a transition type out of range",
       TzifBytes(Changed([](TzifLayout& s) { s.transitionTypes[1] = 5; })),
       "a transition names local time type 5, but there are only 2"},
      {"transitions out of order", TzifBytes(Changed([](TzifLayout& s) {
         s.transitions = {0, -1000000000};
       })),
       "its transition times are out of order"},
      {"an abbreviation index out of range",
       TzifBytes(Changed([](TzifLayout& s) { s.types[0].abbreviationIndex = 50; })),
       "a local time type names abbreviation byte 50, but there are only 12"},
      {"an abbreviation that is not text",
       TzifBytes(Changed([](TzifLayout& s) { s.abbreviations[1] = '\xff'; })),
       "a local time type's abbreviation is not plain text"},
      {"no local time types", TzifBytes(Changed([](TzifLayout& s) {
         s.transitions.clear();
         s.transitionTypes.clear();
         s.types.clear();
       })),
       "it has no local time types"},
      {"truncated in the data", Cut(small, small.size() - 50), "it is shorter than its counts say"},
      {"truncated in the footer", Cut(small, small.size() - 3), "its closing rule is missing"},
      {"truncated in the header", Cut(small, 30), "it is not a TZif file"},
      {"truncated in the second header", Cut(small, 60), "it is shorter than its counts say"},
      {"counts larger than the file", WithCount(small, kTimeCountAt, 0x00ffffff),
       "it is shorter than its counts say"},
      {"a negative count", WithCount(small, kTimeCountAt, 0xffffffff),
       "it is shorter than its counts say"},
      {"a first-version block larger than the file", WithCount(small, 32, 0x7fffffff),
       "it is shorter than its counts say"},
      {"not a zone file", "#!/bin/sh\necho hello\n" + std::string(60, ' '),
       "it is not a TZif file"},
      {"an unknown version", "TZif9" + small.substr(5), "its format version is unknown"},
  };
  for (const Row& row : rows) {
    const Result<TimeZoneRules> zone = TimeZoneRules::FromTzif("Test/Zone", row.bytes);
    const std::string error = zone ? std::string() : zone.error().message;
    if (zone) {
      // Whatever was read must answer without fault, damaged or not.
      for (int year : {1901, 1969, 2024, 2050}) zone->AtLocal(year, 7, 1, 12, 0);
    }
    if (row.reason == nullptr) {
      EXPECT_TRUE(zone.has_value()) << row.label << ": " << error;
    } else {
      EXPECT_FALSE(zone.has_value()) << row.label;
      EXPECT_EQ(error, std::string("the tz database file of time zone \"Test/Zone\" is damaged: ") +
                           row.reason)
          << row.label;
    }
  }
}

TEST(TimeZoneRules, ASmallFileGivesItsOffsetsBeforeAndBeyondItsTransitions) {
  const auto zone = TimeZoneRules::FromTzif("Test/Zone", TzifBytes(SmallZone()));
  ASSERT_TRUE(zone.has_value()) << zone.error().message;
  EXPECT_EQ(zone->AtLocal(1950, 1, 15, 12, 0).offset.utcOffsetSeconds, 23400);
  EXPECT_EQ(zone->AtLocal(2024, 1, 15, 12, 0).offset.utcOffsetSeconds, 19800);
  const ZoneOffset summer = zone->AtLocal(2024, 7, 1, 12, 0).offset;
  EXPECT_EQ(summer.utcOffsetSeconds, 23400);
  EXPECT_TRUE(summer.dst);
  EXPECT_EQ(summer.abbreviation, "+0630");
}

// The checks refuse damage only: every zone the system has is read.
TEST(TimeZoneRules, EveryZoneOfTheSystemIsRead) {
  const std::filesystem::path root = "/usr/share/zoneinfo";
  int zones = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string bytes = FileBytes(entry.path());
    if (bytes.rfind("TZif", 0) != 0) continue;  // the folder's tables and notes
    const Result<TimeZoneRules> zone = TimeZoneRules::FromTzif(entry.path().string(), bytes);
    EXPECT_TRUE(zone.has_value()) << zone.error().message;
    ++zones;
  }
  EXPECT_GT(zones, 300);
}

TEST(TimeZoneRules, ADamagedFileInTheZoneFolderIsRefusedAsDamaged) {
  const testing_tzif::ScopedZoneFolder folder;
  TzifLayout layout = SmallZone();
  layout.types[0].utcOffset = -10026000;  // the -2785 hours of a damaged disk
  folder.Add("Test/Damaged", TzifBytes(layout));
  folder.Add("Test/Sound", TzifBytes(SmallZone()));
  const Result<TimeZoneRules> damaged = TimeZoneRules::Load("Test/Damaged");
  ASSERT_FALSE(damaged.has_value());
  EXPECT_EQ(damaged.error().rule, Rule::Storage);
  EXPECT_EQ(damaged.error().message,
            "the tz database file of time zone \"Test/Damaged\" is damaged: a local time type is "
            "-10026000 seconds from UTC, more than 25 hours");
  const Result<TimeZoneRules> missing = TimeZoneRules::Load("Test/Missing");
  ASSERT_FALSE(missing.has_value());
  EXPECT_EQ(missing.error().rule, Rule::UnknownText);
  EXPECT_EQ(missing.error().message, "unknown time zone \"Test/Missing\"");
  const Result<TimeZoneRules> sound = TimeZoneRules::Load("Test/Sound");
  EXPECT_TRUE(sound.has_value()) << sound.error().message;
}

TEST(FormatUtcOffset, SignAndMinutes) {
  EXPECT_EQ(FormatUtcOffset(19800), "UTC+05:30");
  EXPECT_EQ(FormatUtcOffset(-12600), "UTC-03:30");
  EXPECT_EQ(FormatUtcOffset(0), "UTC+00:00");
  EXPECT_EQ(FormatUtcOffset(20700), "UTC+05:45");
}

}  // namespace
}  // namespace horavela
