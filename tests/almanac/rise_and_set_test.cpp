#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "almanac/zone_in_force.h"
#include "atlas/time_zone_rules.h"
#include "atlas/zone_following.h"

namespace horavela {
namespace {

struct Place {
  int latitudeDegrees, latitudeMinutes;
  bool north;
  int longitudeDegrees, longitudeMinutes;
  bool east;
  int zoneHours, zoneMinutes;  // signed, west positive
  bool dst;
};

DayRequest RequestFor(const Place& p, int year, int month, int day, const std::string& tz = {}) {
  DayRequest request;
  request.year = year;
  request.month = month;
  request.day = day;
  request.place.latitudeDegrees = static_cast<std::int16_t>(p.latitudeDegrees);
  request.place.latitudeMinutes = static_cast<std::int16_t>(p.latitudeMinutes);
  request.place.north = p.north;
  request.place.longitudeDegrees = static_cast<std::int16_t>(p.longitudeDegrees);
  request.place.longitudeMinutes = static_cast<std::int16_t>(p.longitudeMinutes);
  request.place.east = p.east;
  request.place.zoneHours = static_cast<std::int16_t>(p.zoneHours);
  request.place.zoneMinutes = static_cast<std::int16_t>(p.zoneMinutes);
  request.place.dst = p.dst;
  if (!tz.empty()) {
    const Result<TimeZoneRules> rules = TimeZoneRules::Load(tz);
    EXPECT_TRUE(rules) << rules.error().message;
    if (rules) request.zone = Follow(*rules);
  }
  return request;
}

// Seconds since 1970 on the local clock of a Julian day (UT) at an offset.
std::int64_t LocalSecondsOf(double julianDayUt, int offsetSeconds) {
  return std::llround((julianDayUt - 2440587.5) * 86400.0) + offsetSeconds;
}

// The same rise and set times asked of Swiss Ephemeris directly, with the
// zone's offsets written out by hand: `midnightOffset` at the start of the
// day, `offset` for the rest of it (they differ on a day the clocks change).
struct Expected {
  std::optional<std::int64_t> sunrise, sunset, nextSunrise, moonrise, moonset;
};
Expected AskSwissEphemeris(const Place& p, int year, int month, int day, int midnightOffset,
                           int offset, int32 sunBits = 0) {
  double geo[3] = {(p.longitudeDegrees + p.longitudeMinutes / 60.0) * (p.east ? 1 : -1),
                   (p.latitudeDegrees + p.latitudeMinutes / 60.0) * (p.north ? 1 : -1), 0};
  const double start = swe_julday(year, month, day, 0.0, SE_GREG_CAL) - midnightOffset / 86400.0;
  const double end = swe_julday(year, month, day + 1, 0.0, SE_GREG_CAL) - offset / 86400.0;
  const auto next = [&](int body, int32 event, double from) -> std::optional<double> {
    double when = 0;
    char error[AS_MAXCH] = {};
    if (swe_rise_trans(from, body, nullptr, SEFLG_SWIEPH, event, geo, 0, 0, &when, error) != 0)
      return std::nullopt;
    return when;
  };
  const auto local = [&](std::optional<double> jd) -> std::optional<std::int64_t> {
    if (!jd) return std::nullopt;
    return LocalSecondsOf(*jd, offset);
  };
  const auto withinDay = [&](std::optional<double> jd) {
    return jd && *jd < end ? jd : std::nullopt;
  };
  Expected e;
  const std::optional<double> rise = next(SE_SUN, SE_CALC_RISE | sunBits, start);
  const std::optional<double> set =
      rise ? next(SE_SUN, SE_CALC_SET | sunBits, *rise) : std::nullopt;
  e.sunrise = local(rise);
  e.sunset = local(set);
  e.nextSunrise = local(set ? next(SE_SUN, SE_CALC_RISE | sunBits, *set) : std::nullopt);
  e.moonrise = local(withinDay(next(SE_MOON, SE_CALC_RISE, start)));
  e.moonset = local(withinDay(next(SE_MOON, SE_CALC_SET, start)));
  return e;
}

void ExpectNear(const char* what, const std::optional<LocalTime>& actual,
                const std::optional<std::int64_t>& expected) {
  SCOPED_TRACE(what);
  ASSERT_EQ(actual.has_value(), expected.has_value());
  if (!actual) return;
  // One second either way: both round the same instant to the second.
  EXPECT_LE(std::llabs(LocalClockSeconds(*actual) - *expected), 1)
      << FormatLocalTime(*actual) << " vs " << FormatLocalTime(LocalTimeAt(*expected));
}

struct SkyRow {
  std::string name;
  Place place;
  std::string tz;  // followed minute by minute when set
  int year, month, day;
  int midnightOffset, offset;  // seconds east, written out by hand
};

TEST(SunAndMoonRiseAndSetTest, AgreesWithSwissEphemerisAtSeveralLatitudes) {
  const std::vector<SkyRow> rows = {
      {"New Delhi, winter",
       {28, 37, true, 77, 13, true, -5, -30, false},
       "",
       2021,
       1,
       1,
       19800,
       19800},
      {"Quito, on the equator",
       {0, 13, false, 78, 31, false, 5, 0, false},
       "",
       2024,
       3,
       20,
       -18000,
       -18000},
      {"Sydney, southern summer",
       {33, 52, false, 151, 12, true, -10, 0, true},
       "",
       2024,
       1,
       15,
       39600,
       39600},
      {"London, winter", {51, 30, true, 0, 7, false, 0, 0, false}, "", 2024, 12, 21, 0, 0},
      {"Helsinki at 60 N, summer",
       {60, 10, true, 24, 56, true, -2, 0, true},
       "",
       2024,
       6,
       21,
       10800,
       10800},
      {"Helsinki at 60 N, winter",
       {60, 10, true, 24, 56, true, -2, 0, false},
       "",
       2024,
       12,
       21,
       7200,
       7200},
      {"New York in July, tz zone",
       {40, 43, true, 74, 0, false, 5, 0, false},
       "America/New_York",
       2024,
       7,
       4,
       -14400,
       -14400},
      {"New York, clocks spring forward",
       {40, 43, true, 74, 0, false, 5, 0, false},
       "America/New_York",
       2024,
       3,
       10,
       -18000,
       -14400},
  };
  for (const SkyRow& row : rows) {
    SCOPED_TRACE(row.name);
    const RiseAndSet sky =
        SunAndMoonRiseAndSet(RequestFor(row.place, row.year, row.month, row.day, row.tz));
    const Expected e =
        AskSwissEphemeris(row.place, row.year, row.month, row.day, row.midnightOffset, row.offset);
    EXPECT_FALSE(sky.polarDay);
    EXPECT_FALSE(sky.polarNight);
    ExpectNear("sunrise", sky.sunrise, e.sunrise);
    ExpectNear("sunset", sky.sunset, e.sunset);
    ExpectNear("next sunrise", sky.nextSunrise, e.nextSunrise);
    ExpectNear("moonrise", sky.moonrise, e.moonrise);
    ExpectNear("moonset", sky.moonset, e.moonset);
  }
}

// The true (airless) altitude of the Sun's centre, in degrees, at a moment
// of the local clock `offset` seconds east of Greenwich.
double SunCentreAltitude(const Place& p, const LocalTime& time, int offset) {
  double geo[3] = {(p.longitudeDegrees + p.longitudeMinutes / 60.0) * (p.east ? 1 : -1),
                   (p.latitudeDegrees + p.latitudeMinutes / 60.0) * (p.north ? 1 : -1), 0};
  const double julianDay = 2440587.5 + (LocalClockSeconds(time) - offset) / 86400.0;
  double ecliptic[6] = {};
  char error[AS_MAXCH] = {};
  EXPECT_GE(swe_calc_ut(julianDay, SE_SUN, SEFLG_SWIEPH, ecliptic, error), 0) << error;
  double horizontal[3] = {};
  swe_azalt(julianDay, SE_ECL2HOR, geo, 0, 0, ecliptic, horizontal);
  return horizontal[1];
}

// The disc-centre rule asked of Swiss Ephemeris's own flags for it, and
// checked apart from them: at the rule's sunrise and sunset the Sun's centre
// stands on the geometric horizon, where by the default rule it is 50' below.
TEST(SunAndMoonRiseAndSetTest, DiscCentreRuleAgreesWithSwissEphemeris) {
  // clang-format off
  const std::vector<SkyRow> rows = {
      {"New Delhi, winter", {28, 37, true, 77, 13, true, -5, -30, false}, "", 2021, 1, 1, 19800, 19800},
      {"Chennai, equinox", {13, 5, true, 80, 17, true, -5, -30, false}, "", 2025, 3, 20, 19800, 19800},
      {"Quito, on the equator", {0, 13, false, 78, 31, false, 5, 0, false}, "", 2024, 3, 20, -18000, -18000},
      {"Helsinki at 60 N, summer", {60, 10, true, 24, 56, true, -2, 0, true}, "", 2024, 6, 21, 10800, 10800},
      {"Tromso at 69 N, late winter", {69, 39, true, 18, 57, true, -1, 0, false}, "", 2024, 2, 1, 3600, 3600},
      {"New York, clocks spring forward", {40, 43, true, 74, 0, false, 5, 0, false}, "America/New_York",
       2024, 3, 10, -18000, -14400},
  };
  // clang-format on
  for (const SkyRow& row : rows) {
    SCOPED_TRACE(row.name);
    DayRequest request = RequestFor(row.place, row.year, row.month, row.day, row.tz);
    const RiseAndSet limb = SunriseAndSunset(request);
    request.settings.sunrise = SunriseRule::DiscCentre;
    const RiseAndSet centre = SunAndMoonRiseAndSet(request);
    const Expected e =
        AskSwissEphemeris(row.place, row.year, row.month, row.day, row.midnightOffset, row.offset,
                          SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION);
    ExpectNear("sunrise", centre.sunrise, e.sunrise);
    ExpectNear("sunset", centre.sunset, e.sunset);
    ExpectNear("next sunrise", centre.nextSunrise, e.nextSunrise);
    ASSERT_TRUE(centre.sunrise && centre.sunset && limb.sunrise && limb.sunset);
    EXPECT_NEAR(SunCentreAltitude(row.place, *centre.sunrise, row.offset), 0.0, 0.01);
    EXPECT_NEAR(SunCentreAltitude(row.place, *centre.sunset, row.offset), 0.0, 0.01);
    // The sunset that began the night before is the same rule's.
    ASSERT_TRUE(centre.previousSunset);
    EXPECT_NEAR(SunCentreAltitude(row.place, *centre.previousSunset, row.midnightOffset), 0.0,
                0.01);
    // The centre reaches the bare horizon after the refracted upper limb.
    EXPECT_GT(LocalClockSeconds(*centre.sunrise), LocalClockSeconds(*limb.sunrise) + 120);
    EXPECT_LT(LocalClockSeconds(*centre.sunset), LocalClockSeconds(*limb.sunset) - 120);
  }
}

// Published almanac times, to the minute, for New Delhi (28°37' N, 77°13' E, IST).
struct AlmanacRow {
  int year, month, day;
  std::string sunrise, sunset;  // local, minutes
  std::string source;
};
TEST(SunAndMoonRiseAndSetTest, MatchesPublishedNewDelhiTimesWithinAMinute) {
  const std::vector<AlmanacRow> rows = {
      {2021, 1, 1, "07:13", "17:35", "Live Hindustan panchang of 1 January 2021"},
      {2025, 9, 6, "06:01", "18:36", "Ishavasya, sunrise and sunset of 6 September 2025"},
  };
  const Place delhi{28, 37, true, 77, 13, true, -5, -30, false};
  const auto minutesOf = [](const std::string& hhmm) {
    return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2));
  };
  for (const AlmanacRow& row : rows) {
    SCOPED_TRACE(row.source);
    const RiseAndSet sky = SunAndMoonRiseAndSet(RequestFor(delhi, row.year, row.month, row.day));
    ASSERT_TRUE(sky.sunrise && sky.sunset);
    const double sunrise =
        sky.sunrise->hour * 60 + sky.sunrise->minute + sky.sunrise->second / 60.0;
    const double sunset = sky.sunset->hour * 60 + sky.sunset->minute + sky.sunset->second / 60.0;
    // A published minute covers the sixty seconds after it.
    EXPECT_NEAR(sunrise, minutesOf(row.sunrise) + 0.5, 1.5) << FormatLocalTime(*sky.sunrise);
    EXPECT_NEAR(sunset, minutesOf(row.sunset) + 0.5, 1.5) << FormatLocalTime(*sky.sunset);
  }
}

// Tromsø, 69°39' N: the Sun neither rises nor sets around the solstices; on
// 25 July 2024 it sets 28 minutes after the civil day's end and rises again
// an hour later, so that day too it stays up from midnight to midnight.
TEST(SunAndMoonRiseAndSetTest, PolarDayAndPolarNightHaveNoSunTimes) {
  const Place tromso{69, 39, true, 18, 57, true, -1, 0, false};
  struct Row {
    int month, day;
    bool dst, polarDay;
  };
  for (const Row& row :
       {Row{6, 25, true, true}, Row{12, 15, false, false}, Row{7, 25, true, true}}) {
    Place place = tromso;
    place.dst = row.dst;
    SCOPED_TRACE(std::to_string(row.month) + "-" + std::to_string(row.day));
    const RiseAndSet sky = SunAndMoonRiseAndSet(RequestFor(place, 2024, row.month, row.day));
    EXPECT_EQ(sky.polarDay, row.polarDay);
    EXPECT_EQ(sky.polarNight, !row.polarDay);
    EXPECT_FALSE(sky.sunrise);
    EXPECT_FALSE(sky.sunset);
    EXPECT_FALSE(sky.nextSunrise);
  }
}

}  // namespace
}  // namespace horavela
