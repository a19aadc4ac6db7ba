#include "atlas/time_zone_rules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace horavela {

namespace {

constexpr std::int64_t kDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

int YearOfDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::int64_t ReadBigEndian(std::string_view bytes, std::size_t at, int width) {
  std::uint64_t value = 0;
  for (int i = 0; i < width; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<std::int64_t>(value);
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

  bool Parse(ParsedPosix& out) {
    if (!Name(out.stdName) || !Offset(out.stdOffset)) return false;
    out.stdOffset = -out.stdOffset;  // POSIX offsets are west positive
    if (AtEnd()) return true;
    out.hasDst = true;
    if (!Name(out.dstName)) return false;
    out.dstOffset = out.stdOffset + 3600;
    if (!AtEnd() && s_[i_] != ',') {
      int offset = 0;
      if (!Offset(offset)) return false;
      out.dstOffset = -offset;
    }
    if (AtEnd()) return true;  // no rule: the tz database always gives one
    return Expect(',') && Date(out.start) && Expect(',') && Date(out.end) && AtEnd();
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
      return true;
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
  bool Offset(int& seconds) {  // [+-]hh[:mm[:ss]]
    int sign = 1;
    if (Expect('-'))
      sign = -1;
    else
      Expect('+');
    int hours = 0, minutes = 0, secs = 0;
    if (!Number(hours)) return false;
    if (Expect(':') && (!Number(minutes) || (Expect(':') && !Number(secs)))) return false;
    seconds = sign * (hours * 3600 + minutes * 60 + secs);
    return true;
  }
  bool Date(RuleDate& date) {
    if (Expect('M')) {
      date.kind = 'M';
      if (!Number(date.month) || !Expect('.') || !Number(date.week) || !Expect('.') ||
          !Number(date.weekday))
        return false;
    } else if (Expect('J')) {
      date.kind = 'J';
      if (!Number(date.day)) return false;
    } else {
      date.kind = 'D';
      if (!Number(date.day)) return false;
    }
    if (Expect('/')) return Offset(date.timeSeconds);
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
    const int firstWeekday = static_cast<int>(((first % 7) + 11) % 7);  // 1970-01-01 was Thursday
    int day = 1 + (date.weekday - firstWeekday + 7) % 7 + 7 * (date.week - 1);
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int monthDays = kMonthDays[date.month - 1] + (date.month == 2 && IsLeap(year));
    while (day > monthDays) day -= 7;  // week 5 means the last such weekday
    days = first + day - 1;
  } else if (date.kind == 'J') {
    int day = date.day;
    if (IsLeap(year) && day >= 60) ++day;
    days = DaysFromCivil(year, 1, 1) + day - 1;
  } else {
    days = DaysFromCivil(year, 1, 1) + date.day;
  }
  return days * kDay + date.timeSeconds;
}

}  // namespace

std::int64_t CivilToSeconds(int year, int month, int day, int hour, int minute) {
  return DaysFromCivil(year, month, day) * kDay + hour * 3600 + minute * 60;
}

struct TimeZoneRules::PosixRule : ParsedPosix {};

std::optional<TimeZoneRules> TimeZoneRules::Load(std::string_view ianaName, std::string* error) {
  // Only plain zone names: no way out of the zone folder.
  const bool safe = !ianaName.empty() && ianaName.find("..") == std::string_view::npos &&
                    ianaName.front() != '/' &&
                    std::all_of(ianaName.begin(), ianaName.end(), [](char c) {
                      return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' ||
                             c == '-' || c == '+';
                    });
  if (!safe) {
    if (error) *error = "unknown time zone \"" + std::string(ianaName) + "\"";
    return std::nullopt;
  }
  const char* root = std::getenv("TZDIR");
  const std::string path =
      std::string(root && *root ? root : "/usr/share/zoneinfo") + "/" + std::string(ianaName);
  // A folder of zones ("America") would open like a file and fail when read.
  std::error_code status;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, status)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    if (error) *error = "unknown time zone \"" + std::string(ianaName) + "\"";
    return std::nullopt;
  }
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return FromTzif(ianaName, bytes, error);
}

std::optional<TimeZoneRules> TimeZoneRules::FromTzif(std::string_view name, std::string_view bytes,
                                                     std::string* error) {
  auto fail = [&](const char* why) -> std::optional<TimeZoneRules> {
    if (error) *error = "time zone \"" + std::string(name) + "\": " + why;
    return std::nullopt;
  };
  if (bytes.size() < 44 || bytes.substr(0, 4) != "TZif") return fail("not a TZif file");
  auto counts = [&](std::size_t at, std::int64_t out[6]) {
    for (int i = 0; i < 6; ++i) out[i] = ReadBigEndian(bytes, at + 20 + 4 * i, 4);
  };
  std::int64_t c[6];
  counts(0, c);
  auto blockSize = [](const std::int64_t k[6], int timeWidth) {
    return k[3] * timeWidth + k[3] + k[4] * 6 + k[5] + k[2] * (timeWidth + 4) + k[1] + k[0];
  };
  std::size_t at = 44;
  int width = 4;
  const bool version2 = bytes[4] >= '2';
  if (version2) {
    at += static_cast<std::size_t>(blockSize(c, 4));
    if (bytes.size() < at + 44 || bytes.substr(at, 4) != "TZif") return fail("broken header");
    counts(at, c);
    at += 44;
    width = 8;
  }
  for (std::int64_t k : c)
    if (k < 0 || k > 100000) return fail("implausible counts");
  if (bytes.size() < at + static_cast<std::size_t>(blockSize(c, width))) return fail("truncated");

  TimeZoneRules rules;
  rules.name_ = std::string(name);
  const std::int64_t timeCount = c[3], typeCount = c[4], charCount = c[5];
  if (typeCount == 0) return fail("no local time types");
  for (std::int64_t i = 0; i < timeCount; ++i)
    rules.transitions_.push_back(ReadBigEndian(bytes, at + i * width, width));
  at += timeCount * width;
  for (std::int64_t i = 0; i < timeCount; ++i) {
    const auto type = static_cast<std::uint8_t>(bytes[at + i]);
    if (type >= typeCount) return fail("bad transition type");
    rules.transitionTypes_.push_back(type);
  }
  at += timeCount;
  const std::size_t charsAt = at + typeCount * 6;
  for (std::int64_t i = 0; i < typeCount; ++i) {
    const std::size_t row = at + i * 6;
    const auto index = static_cast<unsigned char>(bytes[row + 5]);
    std::string abbreviation;
    if (index < charCount) {
      const std::string_view chars = bytes.substr(charsAt + index, charCount - index);
      abbreviation = std::string(chars.substr(0, chars.find('\0')));
    }
    rules.types_.push_back(
        {static_cast<int>(ReadBigEndian(bytes, row, 4)), bytes[row + 4] != 0, abbreviation});
  }
  at = charsAt + charCount + c[2] * (width + 4) + c[1] + c[0];
  if (version2 && at < bytes.size() && bytes[at] == '\n') {
    const std::size_t end = bytes.find('\n', at + 1);
    if (end != std::string_view::npos)
      rules.footer_ = std::string(bytes.substr(at + 1, end - at - 1));
  }

  // The standard offset behind each daylight type: the offset of the last
  // standard time before it (or, failing that, the next one after it).
  rules.standardOfType_.assign(rules.types_.size(), 0);
  int lastStandard =
      rules.types_[0].dst ? rules.types_[0].utcOffset - 3600 : rules.types_[0].utcOffset;
  for (std::size_t i = 0; i < rules.types_.size(); ++i)
    if (!rules.types_[i].dst) rules.standardOfType_[i] = rules.types_[i].utcOffset;
  std::vector<bool> seen(rules.types_.size(), false);
  for (std::size_t i = 0; i < rules.transitionTypes_.size(); ++i) {
    const std::uint8_t type = rules.transitionTypes_[i];
    if (!rules.types_[type].dst) {
      lastStandard = rules.types_[type].utcOffset;
    } else if (!seen[type]) {
      rules.standardOfType_[type] = lastStandard;
      seen[type] = true;
    }
  }
  return rules;
}

ZoneOffset TimeZoneRules::OffsetOfType(std::size_t typeIndex) const {
  const LocalType& type = types_[typeIndex];
  return {type.utcOffset, type.dst ? standardOfType_[typeIndex] : type.utcOffset, type.dst,
          type.abbreviation};
}

ZoneOffset TimeZoneRules::FromFooter(std::int64_t unixSeconds) const {
  ParsedPosix rule;
  if (!PosixParser(footer_).Parse(rule)) return OffsetOfType(transitionTypes_.back());
  const ZoneOffset standard{rule.stdOffset, rule.stdOffset, false, rule.stdName};
  if (!rule.hasDst) return standard;
  const ZoneOffset daylight{rule.dstOffset, rule.stdOffset, true, rule.dstName};
  const int year = YearOfDays((unixSeconds + rule.stdOffset) / kDay -
                              ((unixSeconds + rule.stdOffset) % kDay < 0 ? 1 : 0));
  const std::int64_t start = RuleLocalSeconds(rule.start, year) - rule.stdOffset;
  const std::int64_t end = RuleLocalSeconds(rule.end, year) - rule.dstOffset;
  const bool inDst = start < end ? (unixSeconds >= start && unixSeconds < end)
                                 : (unixSeconds < end || unixSeconds >= start);
  return inDst ? daylight : standard;
}

ZoneOffset TimeZoneRules::AtUtc(std::int64_t unixSeconds) const {
  if (transitions_.empty()) {
    return footer_.empty() ? OffsetOfType(0) : FromFooter(unixSeconds);
  }
  if (unixSeconds < transitions_.front()) {
    // Before the first transition: the first standard type of the file.
    for (std::size_t i = 0; i < types_.size(); ++i)
      if (!types_[i].dst) return OffsetOfType(i);
    return OffsetOfType(0);
  }
  if (unixSeconds >= transitions_.back() && !footer_.empty()) return FromFooter(unixSeconds);
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

std::string FormatUtcOffset(int utcOffsetSeconds) {
  const int minutes = std::abs(utcOffsetSeconds) / 60;
  char text[16];
  std::snprintf(text, sizeof text, "UTC%c%02d:%02d", utcOffsetSeconds < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  return text;
}

}  // namespace horavela
