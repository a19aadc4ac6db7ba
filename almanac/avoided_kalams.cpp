#include "almanac/avoided_kalams.h"

#include <array>
#include <cstdint>
#include <utility>

#include "almanac/day_at_a_glance.h"
#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

constexpr std::array<std::pair<Kalam, std::string_view>, 3> kNames{{
    {Kalam::RahuKalam, "rahu_kalam"},
    {Kalam::Yamaganda, "yamaganda"},
    {Kalam::GulikaKalam, "gulika_kalam"},
}};

std::int64_t SecondsOf(const LocalTime& time) {
  return MinuteIndex({time.year, time.month, time.day, time.hour, time.minute}) * 60 + time.second;
}

std::int64_t CeilDiv60(std::int64_t seconds) {
  return -FloorDiv(-seconds, 60);
}

// The minutes whose first second lies in [from, to).
MinuteInterval MinutesOf(const Period& period) {
  return {CeilDiv60(SecondsOf(period.from)), CeilDiv60(SecondsOf(period.to)) - 1};
}

const Period& PeriodOf(const DayParts& parts, Kalam kalam) {
  switch (kalam) {
    case Kalam::RahuKalam:
      return parts.rahuKalam;
    case Kalam::Yamaganda:
      return parts.yamaganda;
    case Kalam::GulikaKalam:
      break;
  }
  return parts.gulikaKalam;
}

}  // namespace

std::string_view KalamName(Kalam kalam) {
  for (const auto& [k, name] : kNames)
    if (k == kalam) return name;
  return {};
}

std::optional<Kalam> KalamNamed(std::string_view name) {
  for (const auto& [kalam, n] : kNames)
    if (n == name) return kalam;
  return std::nullopt;
}

std::vector<MinuteInterval> KalamMinutes(const SearchRequest& request,
                                         const std::set<Kalam>& kalams,
                                         const SearchControl& control) {
  std::vector<MinuteInterval> minutes;
  if (kalams.empty()) return minutes;
  const std::int64_t first = MinuteIndex(request.from);
  const std::int64_t last = MinuteIndex(request.to);
  // The almanac day that covers the range's first minutes began at the
  // sunrise of the civil day before.
  const std::int64_t firstDay =
      DaysFromCivil(request.from.year, request.from.month, request.from.day) - 1;
  const std::int64_t lastDay = DaysFromCivil(request.to.year, request.to.month, request.to.day);
  constexpr std::int64_t kDaysBetweenReports = 30;
  for (std::int64_t d = firstDay; d <= lastDay; ++d) {
    if ((d - firstDay) % kDaysBetweenReports == 0) {
      if (control.cancel && control.cancel->load()) break;
      if (control.progress)
        control.progress(static_cast<double>(d - firstDay) /
                         static_cast<double>(lastDay - firstDay + 1));
    }
    const CivilDate date = CivilFromDays(d);
    DayRequest day;
    day.year = static_cast<int>(date.year);
    day.month = date.month;
    day.day = date.day;
    day.where() = request.where();
    day.settings = request.settings;
    const std::optional<DayParts> parts = PartsOfSky(day, SunriseAndSunset(day));
    if (!parts) continue;
    for (const Kalam kalam : kalams) {
      const MinuteInterval interval = MinutesOf(PeriodOf(*parts, kalam));
      if (interval.last >= first && interval.first <= last && interval.first <= interval.last)
        minutes.push_back(interval);
    }
  }
  return minutes;
}

}  // namespace horavela
