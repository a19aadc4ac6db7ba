#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "almanac/day_at_a_glance.h"
#include "almanac/sky_at_place.h"
#include "almanac/zone_in_force.h"
#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

// Julian day of 1970-01-01 00:00 UT.
constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
// Where the data files are missing Swiss Ephemeris falls back to its
// analytical (Moshier) ephemeris by itself.
constexpr int32 kEphemerisFlags = SEFLG_SWIEPH;
// The Sun's upper limb touches the horizon at a true altitude of about
// -50': 34' of standard refraction and 16' of semidiameter.
constexpr double kRisingAltitude = -50.0 / 60.0;

double JulianDayOf(std::int64_t universalSeconds) {
  return kUnixEpochJulianDay + static_cast<double>(universalSeconds) / kSecondsPerDay;
}

std::int64_t UniversalSecondsOf(double julianDay) {
  return std::llround((julianDay - kUnixEpochJulianDay) * kSecondsPerDay);
}

// The first rising or setting (`event`) of `body` after `fromSeconds` (the
// universal clock); nothing where the body neither rises nor sets.
std::optional<std::int64_t> NextEvent(int body, int32 event, std::int64_t fromSeconds,
                                      GeoPosition geo) {
  double when = 0;
  char error[AS_MAXCH] = {};
  // A pressure of 0 lets the library take the standard atmosphere.
  const int32 status = swe_rise_trans(JulianDayOf(fromSeconds), body, nullptr, kEphemerisFlags,
                                      event, geo.values, 0.0, 0.0, &when, error);
  if (status != 0) return std::nullopt;
  return UniversalSecondsOf(when);
}

// Whether the Sun stands above the rising altitude at a moment.
bool SunAboveHorizon(std::int64_t universalSeconds, GeoPosition geo) {
  const double julianDay = JulianDayOf(universalSeconds);
  double ecliptic[6] = {};
  char error[AS_MAXCH] = {};
  if (swe_calc_ut(julianDay, SE_SUN, kEphemerisFlags, ecliptic, error) < 0) return false;
  double horizontal[3] = {};
  swe_azalt(julianDay, SE_ECL2HOR, geo.values, 0.0, 0.0, ecliptic, horizontal);
  return horizontal[1] > kRisingAltitude;
}

// A civil day of the place on the universal clock.
struct CivilDay {
  std::int64_t start;  // local midnight
  std::int64_t end;    // the next local midnight
  std::optional<std::int64_t> Within(std::optional<std::int64_t> moment) const {
    if (moment && *moment >= start && *moment < end) return moment;
    return std::nullopt;
  }
};

// The civil day of the request on the universal clock, midnight to midnight.
CivilDay CivilDayOf(const DayRequest& request) {
  const std::int64_t midnight = DaysFromCivil(request.year, request.month, request.day) * 86400;
  return {UniversalOfLocal(request, midnight), UniversalOfLocal(request, midnight + 86400)};
}

std::optional<LocalTime> LocalOf(const DayRequest& request, std::optional<std::int64_t> universal) {
  if (!universal) return std::nullopt;
  return LocalTimeOfUniversal(request, *universal);
}

int OffsetAt(const DayRequest& request, std::int64_t universal) {
  return static_cast<int>(LocalOfUniversal(request, universal) - universal);
}

// Whether the clock's offset differs anywhere among the instant before the
// civil day, its midnight, its last second and the Sun's times.
bool ClockChanges(const DayRequest& request, const CivilDay& day, const RiseAndSet& sky) {
  const int before = OffsetAt(request, day.start - 1);
  bool changes = OffsetAt(request, day.start) != before || OffsetAt(request, day.end - 1) != before;
  for (const std::optional<LocalTime>& time : {sky.sunrise, sky.sunset, sky.nextSunrise})
    changes = changes || (time && time->utcOffsetSeconds != before);
  return changes;
}

}  // namespace

RiseAndSet SunriseAndSunset(const DayRequest& request) {
  const std::int64_t midnight = DaysFromCivil(request.year, request.month, request.day) * 86400;
  const CivilDay day = CivilDayOf(request);
  const GeoPosition geo = GeoPositionOf(request.place);
  const auto local = [&request](std::optional<std::int64_t> universal) {
    return LocalOf(request, universal);
  };

  RiseAndSet sky;
  // The setting that ends this sunrise's daytime, even where it falls after
  // midnight. Far north the Sun may set on a day it does not rise, and the
  // day then has a sunset alone.
  const std::optional<std::int64_t> sunrise =
      day.Within(NextEvent(SE_SUN, SE_CALC_RISE, day.start, geo));
  const std::optional<std::int64_t> sunset =
      sunrise ? NextEvent(SE_SUN, SE_CALC_SET, *sunrise, geo)
              : day.Within(NextEvent(SE_SUN, SE_CALC_SET, day.start, geo));
  sky.sunrise = local(sunrise);
  sky.sunset = local(sunset);
  if (sunset) sky.nextSunrise = local(NextEvent(SE_SUN, SE_CALC_RISE, *sunset, geo));
  if (!sunrise && !sunset) {
    // Up or down the whole civil day: circumpolar, or the day falls between a
    // setting just before its midnight and a rising just after the next one.
    sky.polarDay = SunAboveHorizon(UniversalOfLocal(request, midnight + 43200), geo);
    sky.polarNight = !sky.polarDay;
  }
  sky.clockChanges = ClockChanges(request, day, sky);
  return sky;
}

RiseAndSet SunAndMoonRiseAndSet(const DayRequest& request) {
  RiseAndSet sky = SunriseAndSunset(request);
  const CivilDay day = CivilDayOf(request);
  const GeoPosition geo = GeoPositionOf(request.place);
  if (sky.sunrise) {
    // The first setting in the day before the sunrise is the one that began
    // its night; none where the Sun stayed up through it.
    const std::int64_t sunrise = UniversalOf(request, *sky.sunrise);
    const std::optional<std::int64_t> lastSet =
        NextEvent(SE_SUN, SE_CALC_SET, sunrise - 86400, geo);
    if (lastSet && *lastSet < sunrise) sky.previousSunset = LocalOf(request, lastSet);
  }
  sky.moonrise = LocalOf(request, day.Within(NextEvent(SE_MOON, SE_CALC_RISE, day.start, geo)));
  sky.moonset = LocalOf(request, day.Within(NextEvent(SE_MOON, SE_CALC_SET, day.start, geo)));
  return sky;
}

std::string_view PolarKind(const RiseAndSet& sky) {
  if (sky.polarDay) return "day";
  if (sky.polarNight) return "night";
  if (sky.sunrise && !sky.sunset) return "no_sunset";
  if (!sky.sunrise && sky.sunset) return "no_sunrise";
  if (sky.sunrise && !sky.nextSunrise) return "no_next_sunrise";
  return {};
}

}  // namespace horavela
