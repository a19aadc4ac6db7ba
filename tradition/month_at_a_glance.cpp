#include "tradition/month_at_a_glance.h"

#include <algorithm>
#include <cstdio>

#include "calendar/civil_calendar.h"
#include "language/catalog.h"
#include "tradition/day_vetoes.h"
#include "tradition/observance_table.h"

namespace horavela {

namespace {

DayRequest DayOf(const MonthRequest& request, int day) {
  DayRequest of;
  of.where() = request.where();
  of.year = request.year;
  of.month = request.month;
  of.day = day;
  of.settings = request.settings;
  return of;
}

// The period running at `moment`: the last to begin at or before it.
std::optional<Period> RunningAt(const std::vector<Period>& periods, const LocalTime& moment) {
  const auto after = std::upper_bound(
      periods.begin(), periods.end(), moment,
      [](const LocalTime& time, const Period& period) { return time < period.from; });
  if (after == periods.begin()) return std::nullopt;
  return *(after - 1);
}

// The elements run from the first day's midnight past the last day's next
// sunrise (a day without one: through the day after).
LocalTime ElementsUntil(const MonthRequest& request, const std::vector<MonthDay>& days,
                        const RiseAndSet& lastSky) {
  if (lastSky.nextSunrise) return *lastSky.nextSunrise;
  const CivilDate next =
      CivilFromDays(DaysFromCivil(request.year, request.month, days.back().day) + 1);
  return {next.year, next.month, next.day, 23, 59, 0};
}

std::vector<VetoPeriod> ObservedVetoes(const PlaceClock& clock, const MonthRequest& request,
                                       int lastDay, PlanetEphemeris& ephemeris) {
  const std::int64_t first = MinutesOfCivilDay(clock, request.year, request.month, 1).first;
  const std::int64_t last = MinutesOfCivilDay(clock, request.year, request.month, lastDay).last;
  std::vector<VetoPeriod> periods = VetoPeriodsOver(clock, first, last, ephemeris,
                                                    WithSettings(request.vetoes, request.settings));
  if (!request.vetoes.regional)
    std::erase_if(periods, [](const VetoPeriod& period) {
      return (observance::kRegional & VetoBit(period.veto)) != 0;
    });
  return periods;
}

void SplitVetoesByDay(const PlaceClock& clock, const MonthRequest& request,
                      const std::vector<VetoPeriod>& periods, std::vector<MonthDay>& days) {
  for (MonthDay& cell : days) {
    const CivilDayMinutes minutes = MinutesOfCivilDay(clock, request.year, request.month, cell.day);
    for (const VetoPeriod& period : periods) {
      if (period.first <= minutes.last && period.last >= minutes.first)
        cell.vetoes.push_back(period);
    }
  }
}

// One finder run over the month: each window goes to every day it touches,
// where it stays if it is the best that day has seen.
void BestWindowsByDay(const MonthRequest& request, PlanetEphemeris& ephemeris,
                      std::vector<MonthDay>& days) {
  SearchRequest search = *request.person;
  search.where() = request.where();
  search.settings = request.settings;
  search.from = {request.year, request.month, 1, 0, 0};
  search.to = {request.year, request.month, days.back().day, 23, 59};
  const auto better = [](const SearchWindow& a, const std::optional<SearchWindow>& b) {
    return !b || BestKeyOf(a.evaluation(), a.minutes) > BestKeyOf(b->evaluation(), b->minutes);
  };
  SearchControl control;
  control.windows = [&](const SearchWindow& window) {
    const int firstDay = window.first.month == request.month ? window.first.day : 1;
    const int lastDay = window.last.month == request.month ? window.last.day : days.back().day;
    for (int day = firstDay; day <= lastDay; ++day) {
      std::optional<SearchWindow>& best = days[static_cast<std::size_t>(day - 1)].best;
      if (better(window, best)) best = window;
    }
  };
  FindMuhurtaWindows(search, ephemeris, control);
}

void ChandrashtamaByDay(const MonthRequest& request, const LocalTime& until,
                        PlanetEphemeris& ephemeris, std::vector<MonthDay>& days) {
  const Rashi birthMoon = BirthOf(*request.person, request.settings).BirthChart.moonSign;
  const std::vector<Period> signs = MoonSignsOver(DayOf(request, 1), until, ephemeris);
  for (MonthDay& cell : days) {
    const CivilDate next = CivilFromDays(DaysFromCivil(request.year, request.month, cell.day) + 1);
    cell.chandrashtama =
        ChandrashtamaOver(birthMoon, signs, {request.year, request.month, cell.day},
                          {next.year, next.month, next.day});
  }
}

}  // namespace

std::string ClockOnDay(const LocalTime& time, int year, int month, int day) {
  char text[24];
  const long long later =
      DaysFromCivil(time.year, time.month, time.day) - DaysFromCivil(year, month, day);
  if (later == 0)
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
  else
    std::snprintf(text, sizeof text, "%02d:%02d%+lld", time.hour, time.minute, later);
  return text;
}

std::string ChandrashtamaMark(const MonthDay& cell, int year, int month, Language language) {
  if (cell.chandrashtama.empty()) return {};
  const LocalTime midnight{year, month, cell.day};
  const CivilDate next = CivilFromDays(DaysFromCivil(year, month, cell.day) + 1);
  const LocalTime nextMidnight{next.year, next.month, next.day};
  std::string mark(Translated("Chandrashtama", language));
  const auto clock = [&](const LocalTime& time) { return ClockOnDay(time, year, month, cell.day); };
  for (const Period& span : cell.chandrashtama) {
    const bool begins = midnight < span.from;
    const bool ends = span.to < nextMidnight;
    if (!begins && !ends) continue;  // the whole day: the word alone says it
    mark += ' ';
    if (begins && ends) {
      mark += clock(span.from) + "-" + clock(span.to);
    } else {
      mark += Formatted(Translated(begins ? "from %1" : "to %1", language),
                        {clock(begins ? span.from : span.to)});
    }
  }
  return mark;
}

MonthAtAGlance ComputeMonth(const MonthRequest& request, PlanetEphemeris& ephemeris) {
  MonthAtAGlance month;
  month.year = request.year;
  month.month = request.month;
  const int lastDay = DaysInMonth(request.year, request.month);
  RiseAndSet sky;
  for (int day = 1; day <= lastDay; ++day) {
    const DayRequest of = DayOf(request, day);
    sky = SunriseAndSunset(of);
    MonthDay cell;
    cell.day = day;
    cell.sunrise = sky.sunrise;
    cell.sunset = sky.sunset;
    cell.clockChanges = sky.clockChanges;
    if (const std::optional<DayParts> parts = PartsOfSky(of, sky)) {
      cell.weekday = parts->weekday;
      cell.weekdayValue = parts->weekdayValue;
      cell.rahuKalam = parts->rahuKalam;
    }
    month.days.push_back(std::move(cell));
  }
  // The tithis and the whole nakshatras over the month, each found once.
  const DayRequest first = DayOf(request, 1);
  const LocalTime until = ElementsUntil(request, month.days, sky);
  const std::vector<Period> tithis = TithisOver(first, until, ephemeris);
  const std::vector<Period> nakshatras = NakshatrasOfDay(first, until, ephemeris);
  for (MonthDay& cell : month.days) {
    if (!cell.sunrise) continue;
    cell.tithi = RunningAt(tithis, *cell.sunrise);
    cell.nakshatra = RunningAt(nakshatras, *cell.sunrise);
  }
  const PlaceClock clock(request.where());
  SplitVetoesByDay(clock, request, ObservedVetoes(clock, request, lastDay, ephemeris), month.days);
  if (request.person) {
    ChandrashtamaByDay(request, until, ephemeris, month.days);
    if (!request.person->subjects.empty()) BestWindowsByDay(request, ephemeris, month.days);
  }
  return month;
}

}  // namespace horavela
