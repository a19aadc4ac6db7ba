#include <algorithm>
#include <cstdint>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

// The day's verdict band: every window of the civil day, whatever its word.
std::vector<SearchWindow> VerdictsOfDay(const DayRequest& request, PlanetEphemeris& ephemeris) {
  SearchRequest search = *request.verdicts;
  search.where() = request.where();
  search.settings = request.settings;
  search.from = {request.year, request.month, request.day, 0, 0};
  search.to = {request.year, request.month, request.day, 23, 59};
  search.minResult = "Bad";
  return FindMuhurtaWindows(search, ephemeris).windows;
}

// The elements run through the next sunrise, and at least through 23:59.
LocalTime ElementsUntil(const DayRequest& request, const RiseAndSet& sky) {
  const LocalTime endOfDay{request.year, request.month, request.day, 23, 59, 0};
  if (!sky.nextSunrise) return endOfDay;
  return std::max(endOfDay, *sky.nextSunrise);
}

}  // namespace

DayAtAGlance ComputeDay(const DayRequest& request, PlanetEphemeris& ephemeris) {
  DayAtAGlance day;
  day.sky = SunAndMoonRiseAndSet(request);
  const RiseAndSet& sky = day.sky;
  day.parts = PartsOfSky(request, sky);
  day.muhurtas = MuhurtasOfSky(request, sky);
  const LocalTime until = ElementsUntil(request, sky);
  day.elements = ElementsOfDay(request, until, ephemeris);
  // The whole nakshatras, for the varjyams and the person's tarabala.
  std::vector<Period> nakshatras;
  if (day.muhurtas || request.verdicts) nakshatras = NakshatrasOfDay(request, until, ephemeris);
  if (day.muhurtas) {
    AddVarjyamAndAmrit(request, nakshatras, *sky.sunrise, sky.nextSunrise.value_or(until),
                       *day.muhurtas);
  }
  day.chartMoment =
      request.chartMoment.value_or(LocalMinute{request.year, request.month, request.day, 12, 0});
  day.chart = ChartOfMoment(request, day.chartMoment, ephemeris);
  if (request.verdicts) {
    day.person = PersonOfDay(request, nakshatras, day.elements.moonSign);
    if (!request.verdicts->subjects.empty()) day.verdicts = VerdictsOfDay(request, ephemeris);
  }
  return day;
}

}  // namespace horavela
