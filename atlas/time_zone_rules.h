#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil_calendar.h"  // FormatUtcOffset
#include "engine/result.h"

namespace horavela {

// The offset in force at one instant of a zone.
struct ZoneOffset {
  int utcOffsetSeconds = 0;       // total offset, east of Greenwich positive
  int standardOffsetSeconds = 0;  // the zone's standard offset at that time
  bool dst = false;               // daylight saving (or war time) in force
  std::string abbreviation;
};

enum class LocalTimeKind {
  Unique,   // the local time exists once
  Skipped,  // the clocks jumped over it (spring forward)
  Repeated  // the clocks ran through it twice (fall back)
};

struct LocalTimeOffsets {
  LocalTimeKind kind = LocalTimeKind::Unique;
  ZoneOffset offset;  // Unique: the offset; Skipped: the one before the gap; Repeated: the earlier
  ZoneOffset other;   // Skipped: the one after the gap; Repeated: the later
};

// The rules of one IANA time zone, read from the system's tz database
// (compiled TZif files), with the zone's POSIX rule beyond its last transition.
// A file is read only when it is whole and sound: every offset within 25 hours
// of UTC, every index within its table, a closing rule that can be read.
class TimeZoneRules {
 public:
  // The zone's rules, or a problem naming the zone: Rule::UnknownText for no
  // such zone (or a name that is not a zone's), Rule::Storage for a file that
  // is there but cannot be trusted. Never throws.
  static Result<TimeZoneRules> Load(std::string_view ianaName);
  // The same from the bytes of a TZif file, which may be anything: a damaged
  // file is refused, with `name` in the message. Load reads files through it.
  static Result<TimeZoneRules> FromTzif(std::string_view name, std::string_view bytes);

  const std::string& name() const { return name_; }
  ZoneOffset AtUtc(std::int64_t unixSeconds) const;
  LocalTimeOffsets AtLocal(int year, int month, int day, int hour, int minute) const;

 private:
  struct LocalType {
    int utcOffset;
    bool dst;
    std::string abbreviation;
  };
  struct PosixRule;  // the footer rule, parsed

  void FindStandardOffsets();
  ZoneOffset OffsetOfType(std::size_t typeIndex) const;
  ZoneOffset FromFooter(std::int64_t unixSeconds) const;

  std::string name_;
  std::vector<std::int64_t> transitions_;
  std::vector<std::uint8_t> transitionTypes_;
  std::vector<LocalType> types_;
  std::vector<int> standardOfType_;          // standard offset belonging to each type
  std::shared_ptr<const PosixRule> footer_;  // none: the last type holds after the table
};

// Seconds since 1970-01-01 00:00 of a civil date and time (proleptic Gregorian).
std::int64_t CivilToSeconds(int year, int month, int day, int hour, int minute);

// The two zone captions (signed, west of Greenwich positive) and the DST box of
// an offset, as the time zone picker writes them. One hour of daylight saving
// over the standard offset ticks the box; any other amount (double summer
// time) is written as the total offset with the box cleared, so that the
// universal time still comes out right.
struct ZoneCaptions {
  std::int16_t hours = 0;
  std::int16_t minutes = 0;
  bool dst = false;
};
ZoneCaptions CaptionsForOffset(const ZoneOffset& offset);

}  // namespace horavela
