#include "atlas/time_zone_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

constexpr std::int64_t kDay = 86400;

// No offset of a sound zone is further from UTC than this; the captions and
// everything downstream count on it.
constexpr int kFurthestOffset = 25 * 3600;
// A rule's clock time may run past midnight, up to a week ahead or behind.
constexpr int kFurthestRuleHours = 167;
constexpr int kFurthestOffsetHours = 24;

std::int64_t ReadBigEndian(std::string_view bytes, std::size_t at, int width) {
  std::uint64_t value = 0;
  for (int i = 0; i < width; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<std::int64_t>(value);
}

std::uint32_t ReadCount(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(ReadBigEndian(bytes, at, 4));
}

// A POSIX TZ string ("EST5EDT,M3.2.0,M11.1.0"), enough for the tz database's footers.
struct RuleDate {
  char kind = 'M';  // 'M' month.week.day, 'J' Julian day 1..365 without 29 Feb, 'D' 0..365
  int month = 0, week = 0, weekday = 0, day = 0;
  int timeSeconds = 7200;
};

struct ParsedPosix {
  std::string stdName, dstName;
  int stdOffset = 0;  // east positive
  int dstOffset = 0;
  bool hasDst = false;
  RuleDate start, end;
};

class PosixParser {
 public:
  explicit PosixParser(std::string_view text) : s_(text) {}

  // False for anything the tz database would not write, daylight saving
  // without its dates included: the dates are never guessed.
  bool Parse(ParsedPosix& out) {
    if (!Name(out.stdName) || !Offset(out.stdOffset, kFurthestOffsetHours)) return false;
    out.stdOffset = -out.stdOffset;  // POSIX offsets are west positive
    if (AtEnd()) return true;
    out.hasDst = true;
    if (!Name(out.dstName)) return false;
    out.dstOffset = out.stdOffset + 3600;
    if (!AtEnd() && s_[i_] != ',') {
      int offset = 0;
      if (!Offset(offset, kFurthestOffsetHours)) return false;
      out.dstOffset = -offset;
    }
    return std::abs(out.dstOffset) <= kFurthestOffset && Expect(',') && Date(out.start) &&
           Expect(',') && Date(out.end) && AtEnd();
  }

 private:
  bool AtEnd() const { return i_ >= s_.size(); }
  bool Expect(char c) {
    if (AtEnd() || s_[i_] != c) return false;
    ++i_;
    return true;
  }
  bool Name(std::string& name) {
    if (Expect('<')) {
      const std::size_t close = s_.find('>', i_);
      if (close == std::string_view::npos) return false;
      name = std::string(s_.substr(i_, close - i_));
      i_ = close + 1;
      return name.size() >= 3 && std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-';
             });
    }
    const std::size_t begin = i_;
    while (!AtEnd() && std::isalpha(static_cast<unsigned char>(s_[i_]))) ++i_;
    name = std::string(s_.substr(begin, i_ - begin));
    return name.size() >= 3;
  }
  bool Number(int& value) {
    if (AtEnd() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
    value = 0;
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(s_[i_])) && value < 100000)
      value = value * 10 + (s_[i_++] - '0');
    return true;
  }
  bool Offset(int& seconds, int furthestHours) {  // [+-]hh[:mm[:ss]]
    int sign = 1;
    if (Expect('-'))
      sign = -1;
    else
      Expect('+');
    int hours = 0, minutes = 0, secs = 0;
    if (!Number(hours)) return false;
    if (Expect(':') && (!Number(minutes) || (Expect(':') && !Number(secs)))) return false;
    if (hours > furthestHours || minutes > 59 || secs > 59) return false;
    seconds = sign * (hours * 3600 + minutes * 60 + secs);
    return true;
  }
  bool Date(RuleDate& date) {
    if (Expect('M')) {
      date.kind = 'M';
      if (!Number(date.month) || !Expect('.') || !Number(date.week) || !Expect('.') ||
          !Number(date.weekday))
        return false;
      if (date.month < 1 || date.month > 12 || date.week < 1 || date.week > 5 || date.weekday > 6)
        return false;
    } else if (Expect('J')) {
      date.kind = 'J';
      if (!Number(date.day) || date.day < 1 || date.day > 365) return false;
    } else {
      date.kind = 'D';
      if (!Number(date.day) || date.day > 365) return false;
    }
    if (Expect('/')) return Offset(date.timeSeconds, kFurthestRuleHours);
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

// Local seconds (since 1970, on the local clock) at which a rule date falls in `year`.
std::int64_t RuleLocalSeconds(const RuleDate& date, int year) {
  std::int64_t days = 0;
  if (date.kind == 'M') {
    const std::int64_t first = DaysFromCivil(year, date.month, 1);
    const int firstWeekday = WeekdayIndex(first);
    int day = 1 + (date.weekday - firstWeekday + 7) % 7 + 7 * (date.week - 1);
    const int monthDays = DaysInMonth(year, date.month);
    while (day > monthDays) day -= 7;  // week 5 means the last such weekday
    days = first + day - 1;
  } else if (date.kind == 'J') {
    int day = date.day;
    if (IsLeapYear(year) && day >= 60) ++day;
    days = DaysFromCivil(year, 1, 1) + day - 1;
  } else {
    days = DaysFromCivil(year, 1, 1) + date.day;
  }
  return days * kDay + date.timeSeconds;
}

// --- TZif files -------------------------------------------------------------

constexpr std::size_t kHeaderSize = 44;
// Real zone files are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;

struct TzifCounts {
  std::uint64_t utIndicators, standardIndicators, leapSeconds, times, types, chars;

  std::uint64_t BlockSize(int timeWidth) const {
    return times * timeWidth + times + types * 6 + chars + leapSeconds * (timeWidth + 4) +
           standardIndicators + utIndicators;
  }
};

struct TzifType {
  int utcOffset;
  bool dst;
  std::string abbreviation;
};

struct TzifData {
  std::vector<std::int64_t> transitions;
  std::vector<std::uint8_t> transitionTypes;
  std::vector<TzifType> types;
  std::optional<ParsedPosix> footer;
};

// Reads a file's content; each step gives the reason the file is damaged, or
// nothing. Every count is checked against the bytes there are before use.
class TzifReader {
 public:
  explicit TzifReader(std::string_view bytes) : bytes_(bytes) {}

  std::string Read(TzifData& out) {
    if (bytes_.size() < kHeaderSize || bytes_.substr(0, 4) != "TZif")
      return "it is not a TZif file";
    const char version = bytes_[4];
    if (version != '\0' && (version < '2' || version > '4')) return "its format version is unknown";
    if (!Header(4)) return kShort;
    int width = 4;
    if (version != '\0') {
      // The 64-bit data follow the first-version block under a header of their own.
      at_ += counts_.BlockSize(4);
      if (bytes_.size() - at_ < kHeaderSize) return kShort;
      if (bytes_.substr(at_, 4) != "TZif") return "it is not a TZif file";
      if (!Header(8)) return kShort;
      width = 8;
    }
    if (counts_.types == 0) return "it has no local time types";
    std::string reason = Transitions(width, out);
    if (reason.empty()) reason = Types(out);
    if (reason.empty() && version != '\0') reason = Footer(width, out);
    return reason;
  }

 private:
  static constexpr const char* kShort = "it is shorter than its counts say";

  // The counts of the header at at_, and whether the block they describe fits.
  bool Header(int timeWidth) {
    std::uint64_t* fields[] = {&counts_.utIndicators, &counts_.standardIndicators,
                               &counts_.leapSeconds,  &counts_.times,
                               &counts_.types,        &counts_.chars};
    for (int i = 0; i < 6; ++i) *fields[i] = ReadCount(bytes_, at_ + 20 + 4 * i);
    at_ += kHeaderSize;
    return counts_.BlockSize(timeWidth) <= bytes_.size() - at_;
  }

  std::string Transitions(int width, TzifData& out) {
    for (std::uint64_t i = 0; i < counts_.times; ++i) {
      const std::int64_t time = ReadBigEndian(bytes_, at_ + i * width, width);
      if (!out.transitions.empty() && time <= out.transitions.back())
        return "its transition times are out of order";
      out.transitions.push_back(time);
    }
    at_ += counts_.times * width;
    for (std::uint64_t i = 0; i < counts_.times; ++i) {
      const auto type = static_cast<std::uint8_t>(bytes_[at_ + i]);
      if (type >= counts_.types) {
        return "a transition names local time type " + std::to_string(type) +
               ", but there are only " + std::to_string(counts_.types);
      }
      out.transitionTypes.push_back(type);
    }
    at_ += counts_.times;
    return {};
  }

  std::string Types(TzifData& out) {
    const std::string_view chars = bytes_.substr(at_ + counts_.types * 6, counts_.chars);
    for (std::uint64_t i = 0; i < counts_.types; ++i) {
      const std::size_t row = at_ + i * 6;
      const auto offset = static_cast<std::int32_t>(ReadBigEndian(bytes_, row, 4));
      const auto dst = static_cast<unsigned char>(bytes_[row + 4]);
      const auto index = static_cast<unsigned char>(bytes_[row + 5]);
      if (offset < -kFurthestOffset || offset > kFurthestOffset) {
        return "a local time type is " + std::to_string(offset) +
               " seconds from UTC, more than 25 hours";
      }
      if (dst > 1) return "a local time type has a daylight saving flag of " + std::to_string(dst);
      if (index >= chars.size()) {
        return "a local time type names abbreviation byte " + std::to_string(index) +
               ", but there are only " + std::to_string(chars.size());
      }
      const std::size_t end = chars.find('\0', index);
      const std::string_view abbreviation = chars.substr(index, end - index);
      if (end == std::string_view::npos ||
          !std::all_of(abbreviation.begin(), abbreviation.end(),
                       [](char c) { return c >= ' ' && c <= '~'; }))
        return "a local time type's abbreviation is not plain text";
      out.types.push_back({offset, dst == 1, std::string(abbreviation)});
    }
    at_ += counts_.types * 6 + counts_.chars;
    return {};
  }

  // The POSIX rule beyond the table, between two line ends; empty means none.
  std::string Footer(int width, TzifData& out) {
    // Leap seconds and the indicators are not used.
    at_ += counts_.leapSeconds * (width + 4) + counts_.standardIndicators + counts_.utIndicators;
    const std::size_t end =
        at_ < bytes_.size() ? bytes_.find('\n', at_ + 1) : std::string_view::npos;
    if (at_ >= bytes_.size() || bytes_[at_] != '\n' || end == std::string_view::npos)
      return "its closing rule is missing";
    const std::string_view text = bytes_.substr(at_ + 1, end - at_ - 1);
    if (text.empty()) return {};
    ParsedPosix rule;
    if (!PosixParser(text).Parse(rule)) return "its closing rule cannot be read";
    out.footer = rule;
    return {};
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  TzifCounts counts_{};
};

}  // namespace

std::int64_t CivilToSeconds(int year, int month, int day, int hour, int minute) {
  return DaysFromCivil(year, month, day) * kDay + hour * 3600 + minute * 60;
}

struct TimeZoneRules::PosixRule : ParsedPosix {};

Result<TimeZoneRules> TimeZoneRules::Load(std::string_view ianaName) {
  auto unknown = [&]() -> Result<TimeZoneRules> {
    return Unexpected(
        Problem{"", "unknown time zone \"" + std::string(ianaName) + "\"", Rule::UnknownText});
  };
  // Only plain zone names: no way out of the zone folder.
  const bool safe = !ianaName.empty() && ianaName.find("..") == std::string_view::npos &&
                    ianaName.front() != '/' &&
                    std::all_of(ianaName.begin(), ianaName.end(), [](char c) {
                      return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' ||
                             c == '-' || c == '+';
                    });
  if (!safe) return unknown();
  const char* root = std::getenv("TZDIR");
  const std::string path =
      std::string(root && *root ? root : "/usr/share/zoneinfo") + "/" + std::string(ianaName);
  // A folder of zones ("America") would open like a file and fail when read.
  std::error_code status;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, status)) file.open(path, std::ios::binary);
  if (!file.is_open()) return unknown();
  // A file too large to be a zone's, or one that cannot be read, is taken as
  // empty and so refused as damaged.
  std::string bytes;
  const std::uintmax_t size = std::filesystem::file_size(path, status);
  if (!status && size <= kLargestZoneFile)
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return FromTzif(ianaName, bytes);
}

Result<TimeZoneRules> TimeZoneRules::FromTzif(std::string_view name, std::string_view bytes) {
  TzifData data;
  if (const std::string reason = TzifReader(bytes).Read(data); !reason.empty()) {
    return StorageFailure("the tz database file of time zone \"" + std::string(name) +
                          "\" is damaged: " + reason);
  }
  TimeZoneRules rules;
  rules.name_ = std::string(name);
  rules.transitions_ = std::move(data.transitions);
  rules.transitionTypes_ = std::move(data.transitionTypes);
  for (TzifType& type : data.types)
    rules.types_.push_back({type.utcOffset, type.dst, std::move(type.abbreviation)});
  if (data.footer) rules.footer_ = std::make_shared<const PosixRule>(PosixRule{*data.footer});
  rules.FindStandardOffsets();
  return rules;
}

// The standard offset behind each daylight type: the offset of the last
// standard time before it (or, failing that, the next one after it).
void TimeZoneRules::FindStandardOffsets() {
  standardOfType_.assign(types_.size(), 0);
  int lastStandard = types_[0].dst ? types_[0].utcOffset - 3600 : types_[0].utcOffset;
  for (std::size_t i = 0; i < types_.size(); ++i)
    if (!types_[i].dst) standardOfType_[i] = types_[i].utcOffset;
  std::vector<bool> seen(types_.size(), false);
  for (const std::uint8_t type : transitionTypes_) {
    if (!types_[type].dst) {
      lastStandard = types_[type].utcOffset;
    } else if (!seen[type]) {
      standardOfType_[type] = lastStandard;
      seen[type] = true;
    }
  }
}

ZoneOffset TimeZoneRules::OffsetOfType(std::size_t typeIndex) const {
  const LocalType& type = types_[typeIndex];
  return {type.utcOffset, type.dst ? standardOfType_[typeIndex] : type.utcOffset, type.dst,
          type.abbreviation};
}

ZoneOffset TimeZoneRules::FromFooter(std::int64_t unixSeconds) const {
  const ParsedPosix& rule = *footer_;
  const ZoneOffset standard{rule.stdOffset, rule.stdOffset, false, rule.stdName};
  if (!rule.hasDst) return standard;
  const ZoneOffset daylight{rule.dstOffset, rule.stdOffset, true, rule.dstName};
  const int year = CivilFromDays(FloorDiv(unixSeconds + rule.stdOffset, kDay)).year;
  const std::int64_t start = RuleLocalSeconds(rule.start, year) - rule.stdOffset;
  const std::int64_t end = RuleLocalSeconds(rule.end, year) - rule.dstOffset;
  const bool inDst = start < end ? (unixSeconds >= start && unixSeconds < end)
                                 : (unixSeconds < end || unixSeconds >= start);
  return inDst ? daylight : standard;
}

ZoneOffset TimeZoneRules::AtUtc(std::int64_t unixSeconds) const {
  if (transitions_.empty()) {
    return footer_ ? FromFooter(unixSeconds) : OffsetOfType(0);
  }
  if (unixSeconds < transitions_.front()) {
    // Before the first transition: the first standard type of the file.
    for (std::size_t i = 0; i < types_.size(); ++i)
      if (!types_[i].dst) return OffsetOfType(i);
    return OffsetOfType(0);
  }
  if (unixSeconds >= transitions_.back() && footer_) return FromFooter(unixSeconds);
  const auto after = std::upper_bound(transitions_.begin(), transitions_.end(), unixSeconds);
  return OffsetOfType(transitionTypes_[static_cast<std::size_t>(after - transitions_.begin()) - 1]);
}

LocalTimeOffsets TimeZoneRules::AtLocal(int year, int month, int day, int hour, int minute) const {
  const std::int64_t local = CivilToSeconds(year, month, day, hour, minute);
  // Offsets a day before and a day after; clock changes lie further apart.
  const ZoneOffset before = AtUtc(local - kDay);
  const ZoneOffset after = AtUtc(local + kDay);
  std::vector<ZoneOffset> valid;
  for (const ZoneOffset& candidate : {before, after}) {
    const ZoneOffset actual = AtUtc(local - candidate.utcOffsetSeconds);
    if (actual.utcOffsetSeconds == candidate.utcOffsetSeconds &&
        std::none_of(valid.begin(), valid.end(), [&](const ZoneOffset& v) {
          return v.utcOffsetSeconds == actual.utcOffsetSeconds;
        }))
      valid.push_back(actual);
  }
  LocalTimeOffsets result;
  if (valid.empty()) {
    result.kind = LocalTimeKind::Skipped;
    result.offset = before;
    result.other = after;
  } else if (valid.size() == 1) {
    result.offset = valid[0];
  } else {
    result.kind = LocalTimeKind::Repeated;
    // The earlier instant has the larger offset.
    const bool firstEarlier = valid[0].utcOffsetSeconds > valid[1].utcOffsetSeconds;
    result.offset = firstEarlier ? valid[0] : valid[1];
    result.other = firstEarlier ? valid[1] : valid[0];
  }
  return result;
}

ZoneCaptions CaptionsForOffset(const ZoneOffset& offset) {
  const bool oneHourDst =
      offset.dst && offset.utcOffsetSeconds - offset.standardOffsetSeconds == 3600;
  const int written = oneHourDst ? offset.standardOffsetSeconds : offset.utcOffsetSeconds;
  // West of Greenwich positive; whole minutes, both captions with the same sign.
  const int westMinutes = -written / 60;
  return {static_cast<std::int16_t>(westMinutes / 60), static_cast<std::int16_t>(westMinutes % 60),
          oneHourDst};
}

}  // namespace horavela
