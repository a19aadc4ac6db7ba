#include "atlas/local_minute.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "calendar/civil_calendar.h"

namespace horavela {

std::int64_t MinuteIndex(const LocalMinute& m) {
  return DaysFromCivil(m.year, m.month, m.day) * 1440 + m.hour * 60 + m.minute;
}

LocalMinute FromMinuteIndex(std::int64_t index) {
  const CivilDateTime clock = CivilFromSeconds(index * 60);
  return {clock.date.year, clock.date.month, clock.date.day, clock.hour, clock.minute};
}

std::string FormatLocalMinute(const LocalMinute& m) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", m.year, m.month, m.day, m.hour,
                m.minute);
  if (m.repeated) return text + FormatIsoOffset(m.repeated->utcOffsetSeconds);
  return text;
}

ZoneAbbreviation AbbreviationOf(std::string_view name) {
  ZoneAbbreviation abbreviation{};
  if (name.size() < abbreviation.size()) std::copy(name.begin(), name.end(), abbreviation.begin());
  return abbreviation;
}

std::string ClockRunText(const std::optional<ClockRun>& repeated) {
  if (!repeated) return {};
  const std::string name(repeated->abbreviation.data());
  const bool named = std::any_of(
      name.begin(), name.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
  if (named) return " " + name;
  return repeated->second ? " (second)" : " (first)";
}

std::string ClockMomentText(const LocalMinute& m) {
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", m.hour % 100, m.minute % 100);
  const std::string_view month = m.month >= 1 && m.month <= 12 ? kMonthNames[m.month - 1] : "month";
  return std::string(clock) + ClockRunText(m.repeated) + " on " + std::to_string(m.day) + " " +
         std::string(month) + " " + std::to_string(m.year);
}

}  // namespace horavela
