#include "tradition/minute_sky.h"

#include <cstdio>

#include <cmath>
#include <limits>

#include "almanac/day_at_a_glance.h"
#include "almanac/zone_in_force.h"
#include "calendar/civil_calendar.h"
#include "engine/moon.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {

namespace {

constexpr int kSunIndex = 0;

double FoldedDegrees(double degrees) {
  double folded = std::fmod(degrees, 360.0);
  if (folded < 0) folded += 360.0;
  return folded;
}

// The first whole universal minute at or after a universal second.
std::int64_t MinuteAtOrAfter(std::int64_t seconds) {
  return FloorDiv(seconds + 59, 60);
}

}  // namespace

MinuteSky::MinuteSky(const PlaceClock& clock, PlanetEphemeris& ephemeris,
                     const CalculationSettings& settings)
    : clock_(clock), ephemeris_(ephemeris), settings_(settings) {
  scratch_.Input.settings = settings;
}

void MinuteSky::Load(std::int64_t minute) {
  scratch_.Input.election = clock_.EntryAt(minute, offsetHint_);
  scratch_.Moment = MomentInputFrom(scratch_.Input.election);
}

double MinuteSky::SiderealSun(std::int64_t minute) {
  Load(minute);
  ComputeMoon(scratch_);  // the time base the planets are read at
  const std::optional<PlanetLongitudes> longitudes =
      SiderealPlanetLongitudes(scratch_.Time, ephemeris_, PlanetBit(kSunIndex), settings_.ayanamsa);
  if (!longitudes) return std::numeric_limits<double>::quiet_NaN();
  return FoldedDegrees((*longitudes)[kSunIndex]);
}

double MinuteSky::SiderealMoon(std::int64_t minute) {
  Load(minute);
  ComputeMoon(scratch_);
  return scratch_.Moon.MoonLongitude;
}

LunarPhase MinuteSky::Phase(std::int64_t minute) {
  Load(minute);
  scratch_.Time = BuildTimeBase(scratch_.Moment);
  ComputePanchang(scratch_);
  return {scratch_.Panchang.TithiIndex, PanchangQuantitiesOf(scratch_.Panchang).elongation};
}

// The day's sunrise is asked on the zone captions in force at the minute:
// the Sun's times are instants and carry their own offset back to the
// universal clock, so only the civil date's midnight could move, by the hour
// of a clock change, which no sunrise comes near outside polar latitudes.
std::optional<SunDay> MinuteSky::DayOf(std::int64_t minute) const {
  const MomentEntry entry = clock_.EntryAt(minute);
  DayRequest day;
  day.place = entry.place;
  day.year = entry.year;
  day.month = entry.month;
  day.day = entry.day;
  day.settings = settings_;
  const RiseAndSet sky = SunriseAndSunset(day);
  if (!sky.sunrise || !sky.sunset || !sky.nextSunrise) return std::nullopt;
  auto at = [&day](const LocalTime& time) { return MinuteAtOrAfter(UniversalOf(day, time)); };
  return SunDay{at(*sky.sunrise), at(*sky.sunset), at(*sky.nextSunrise)};
}

Wording MinuteSky::DateText(std::int64_t minute) const {
  const LocalMinute local = clock_.At(minute).local;
  return CivilDateOf(local.year, local.month, local.day);
}

Wording MinuteSky::MomentText(std::int64_t minute) const {
  return MomentWording(clock_.At(minute).local);
}

Wording MomentWording(const LocalMinute& local) {
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", local.hour % 100, local.minute % 100);
  return Worded("%1 on %2", {AsIs(std::string(clock) + ClockRunText(local.repeated)),
                             CivilDateOf(local.year, local.month, local.day)});
}

}  // namespace horavela
